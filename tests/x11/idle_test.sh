#!/bin/sh
# The idle watcher on X: with no saver daemon, MIT-SCREEN-SAVER's idle time
# starts the saver, a key ends it while the watcher stays, and the server
# gone ends the watcher quietly; with XScreenSaver running, it declines.
# Usage: idle_test.sh path/to/vorn path/to/host_window path/to/vorn-idle
set -u
# shellcheck source=tests/x11/lib.sh
. "$(dirname "$0")/lib.sh"

idle_program=$3
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# No session bus: X alone tells the idle time here.
unset DBUS_SESSION_BUS_ADDRESS

start_display 640x480x24
export DISPLAY="$display"
start "$idle_program" --after 2 2>"$work/idle.err"
watcher=$started

saver_comes_and_goes X "shows_scene root" xdotool key x
kill "$server"
watcher_ends_with_session "its X server ended" 5

# XScreenSaver starts savers itself: the watcher leaves it be. XScreenSaver
# runs no hacks as root, so root's test runs it as nobody.
start_display 640x480x24
export DISPLAY="$display"
mkdir -m 777 "$work/home"
chmod 755 "$work"
# shellcheck disable=SC2086 # the prefix is meant to split into words
start $drop_root env HOME="$work/home" xscreensaver -no-splash 2>"$work/xscreensaver.err"
# shellcheck disable=SC2317 # called through eventually
xscreensaver_up() { xscreensaver-command -version >/dev/null 2>&1; }
eventually 30 xscreensaver_up || fail "XScreenSaver did not start: $(cat "$work/xscreensaver.err")"
declined=$(timeout 10 "$idle_program" --after 2 2>&1)
status=$?
[ "$status" -eq 0 ] || fail "with XScreenSaver running, the watcher ended with code $status"
case "$declined" in
  *XScreenSaver*) ;;
  *) fail "with XScreenSaver running, the watcher said: $declined" ;;
esac

finish
