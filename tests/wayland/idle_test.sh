#!/bin/sh
# The idle watcher on a headless sway: the saver comes after the idle time,
# a key ends it while the watcher stays, and it comes again after the next
# idle period; a window's idle inhibitor keeps it away, and so does a locked
# screen; a second watcher refuses; the compositor gone ends the watcher and
# its saver.
# Usage: idle_test.sh path/to/vorn path/to/virtual_input path/to/vorn-idle
#        path/to/idle_inhibitor path/to/screen_locked.py
set -u
# shellcheck source=tests/wayland/lib.sh
. "$(dirname "$0")/lib.sh"

# The watcher runs vorn from its own folder: the two side by side.
cp "$1" "$3" "$4" "$5" "$work/"
user_idle="$work/$(basename "$3")"
user_inhibitor="$work/$(basename "$4")"
user_locker="$work/$(basename "$5")"

# The bus where a screen locker would say that the screen is locked.
start_session_bus
start_sway
set_output HEADLESS-1 640x480+0+0
start_pointer 640 480

# shellcheck disable=SC2086 # the prefix is meant to split into words
start $drop_root "$user_idle" --after 2 2>"$work/idle.err"
watcher=$started
saver_comes_and_goes sway "shows_scene HEADLESS-1" key x
saver_comes_and_goes "sway, the next idle period" "shows_scene HEADLESS-1" key x

second=$(as_user "$user_idle" --after 2 2>&1)
status=$?
[ "$status" -eq 0 ] || fail "a second watcher ended with code $status"
case "$second" in
  *"already watching"*) ;;
  *) fail "a second watcher said: $second" ;;
esac
running "$watcher" || fail "a second watcher ended the first"

# Starts $1, which is to keep the saver away (named $2 in failures), lets an
# idle period pass without a saver, and ends it.
held_away() {
  # shellcheck disable=SC2086 # the prefix is meant to split into words
  start $drop_root "$1" >"$work/holder.out"
  holder=$started
  eventually 5 grep -q ready "$work/holder.out" || fail "$2 did not start"
  key x
  ! eventually 5 saver_started || fail "the saver came despite $2"
  kill "$holder"
}

# A video player's inhibitor keeps the saver away; once it is gone, the saver comes.
held_away "$user_inhibitor" "an idle inhibitor"
saver_comes_and_goes "sway, the inhibitor gone" "shows_scene HEADLESS-1" key x

# A locked screen is never covered; unlocked, the next idle period brings the saver.
held_away "$user_locker" "a locked screen"
key x
eventually 10 saver_started || fail "no saver once the screen was unlocked"

# The compositor gone: the watcher ends quietly and takes its saver with it.
kill -9 "$sway"
eventually 5 saver_gone || fail "the saver outlived the session"
watcher_ends_with_session "its compositor was killed" 5

finish
