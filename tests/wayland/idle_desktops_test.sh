#!/bin/sh
# The idle watcher on KDE Plasma's and GNOME's compositors, each headless with
# a private session bus: kwin_wayland --virtual gives ext-idle-notify-v1,
# mutter --headless gives org.gnome.Mutter.IdleMonitor on the bus. On each,
# the saver draws after the idle time, a key ends it while the watcher stays,
# and the compositor gone ends the watcher.
# Usage: idle_desktops_test.sh path/to/vorn path/to/kwin_fake_input path/to/vorn-idle
#        path/to/mutter_keys.py
set -u
# shellcheck source=tests/wayland/lib.sh
. "$(dirname "$0")/lib.sh"

# The watcher runs vorn from its own folder: the two side by side.
cp "$1" "$3" "$4" "$work/"
user_idle="$work/$(basename "$3")"
mutter_keys="$work/$(basename "$4")"
# The packaged kwin_wayland carries a file capability (cap_sys_resource) that
# an unprivileged user in a container cannot be granted: a copy carries none.
cp "$(command -v kwin_wayland)" "$work/kwin_wayland"

# $1 names the desktop. The start-up trace of the saver, which shares the
# watcher's standard error, tells when its first frame is on the screen.
watch_on() {
  : >"$work/idle.err"
  # shellcheck disable=SC2086 # the prefix is meant to split into words
  start $drop_root env VORN_STARTUP_TRACE=1 "$user_idle" --after 2 2>"$work/idle.err"
  watcher=$started
  saver_comes_and_goes "$1" "grep -q startup.swap $work/idle.err" press 45
}

# $1 names the desktop, $2 is the compositor's process. A saver started again
# in the meantime may say that its compositor went, but not the watcher.
end_session() {
  kill "$2"
  watcher_ends_with_session "$1 ended" 10
}

start_session_bus
# shellcheck disable=SC2086 # the prefix is meant to split into words
start $drop_root env KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$work/kwin_wayland" --virtual \
  --width 640 --height 480 --socket wl-kwin --no-lockscreen 2>"$work/kwin.log"
kwin=$started
if eventually 20 test -S "$XDG_RUNTIME_DIR/wl-kwin"; then
  export WAYLAND_DISPLAY=wl-kwin
  start_keys "$user_helper"
  watch_on kwin
  end_session kwin "$kwin"
else
  fail "kwin did not start: $(tail -n 3 "$work/kwin.log")"
fi
exec 8>&-

start_session_bus
# shellcheck disable=SC2086 # the prefix is meant to split into words
start $drop_root mutter --headless --wayland --no-x11 --virtual-monitor 640x480 \
  2>"$work/mutter.log"
mutter=$started
if eventually 20 test -S "$XDG_RUNTIME_DIR/wayland-0"; then
  export WAYLAND_DISPLAY=wayland-0
  rm -f "$work/keys-in"
  start_keys "$mutter_keys"
  watch_on mutter
  end_session mutter "$mutter"
else
  fail "mutter did not start: $(tail -n 3 "$work/mutter.log")"
fi

finish
