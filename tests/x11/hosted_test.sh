#!/bin/sh
# Drawing for a host (-window-id, -root): straight on a window whose visual has
# a depth buffer, into a covering window of our own when it has none; ending
# with exit code 0 on SIGTERM, on SIGINT, when the window is destroyed (also
# during start-up, with at most one line said) and when the X connection is lost.
# Usage: hosted_test.sh path/to/vorn path/to/host_window, on a 640x480 display.
set -u
# shellcheck source=tests/x11/lib.sh
. "$(dirname "$0")/lib.sh"

# shellcheck disable=SC2317 # called through eventually
covers() {
  [ "$(geometry "$child")" = "$1" ]
}

expect_scene() {
  eventually 20 shows_scene "$1" || fail "$2 shows no scene"
}

# A host visual without a depth buffer: vorn covers the window with one of its
# own that has one, of the host's size, and keeps covering it when it grows.
settings 1 2
start_host 320 240 --no-depth
[ "$("$helper" --depth-of "$host")" = 0 ] || fail "the helper's window has a depth buffer"
start "$vorn" --window-id "$host"
hosted=$started
if eventually 30 has_child; then
  [ "$(geometry "$child")" = 320x240+0+0 ] || fail "the covering window is $(geometry "$child")"
  depth=$("$helper" --depth-of "$child")
  [ "$depth" -ge 24 ] || fail "the covering window's visual has a depth buffer of $depth bits"
  expect_scene "$host" "a host window without a depth buffer"
  xdotool windowsize "$host" 400 300
  eventually 15 covers 400x300+0+0 ||
    fail "the covering window did not follow the host to 400x300: $(geometry "$child")"
  kill -TERM "$hosted"
  expect_ended "$hosted" SIGTERM
else
  fail "no covering window within 30 s"
fi
kill "$keeper"

# A host visual with a depth buffer is drawn on directly; destroying it ends the run.
start_host 320 240
start "$vorn" -window-id "$(printf '0x%x' "$host")" --detail low
hosted=$started
expect_scene "$host" "a host window with a depth buffer"
[ -z "$(children "$host")" ] || fail "vorn covered a window that has a depth buffer"
kill "$keeper"
expect_ended "$hosted" "its window was destroyed"

# -root draws on the window that XSCREENSAVER_WINDOW names; SIGINT ends it.
start_host 200 150
start env XSCREENSAVER_WINDOW="$(printf '0x%x' "$host")" "$vorn" -root
hosted=$started
expect_scene "$host" "the window in XSCREENSAVER_WINDOW"
kill -INT "$hosted"
expect_ended "$hosted" SIGINT
kill "$keeper"

# Without it, -root draws on the root window.
start env -u XSCREENSAVER_WINDOW "$vorn" --root
hosted=$started
expect_scene root "the root window"
kill -TERM "$hosted"
expect_ended "$hosted" "SIGTERM on the root window"

# A lost X connection ends the run with one line: a display of our own, stopped under vorn.
start_display 320x240x24 +extension GLX
start env DISPLAY="$display" "$vorn" -root 2>"$work/stderr"
hosted=$started
(export DISPLAY="$display" && eventually 20 shows_scene root) || fail "vorn did not draw on its own display"
kill "$server"
expect_ended "$hosted" "its X server went away"
[ "$(cat "$work/stderr")" = "vorn: lost the connection to the X display" ] ||
  fail "losing the X server said: $(cat "$work/stderr")"

# Expects the run $1, whose standard error went to $work/stderr, to end
# normally after $2, having said at most one line and no X error.
expect_quiet_end() {
  expect_ended "$1" "$2"
  if [ "$(wc -l <"$work/stderr")" -gt 1 ] || grep -q 'X error' "$work/stderr"; then
    fail "after $2 vorn said: $(cat "$work/stderr")"
  fi
}

# A host window destroyed at moments spread over vorn's start-up, for drawing
# on it and for a preview in it, and a host window that takes input only.
for way in --window-id /p; do
  for delay in 0 0.05 0.1 0.15 0.2 0.25 0.3 0.35 0.4 0.5; do
    start_host 160 120
    start "$vorn" "$way" "$host" 2>"$work/stderr"
    # The moment is the point: each falls in another step of the start-up.
    sleep "$delay"
    kill "$keeper"
    expect_quiet_end "$started" "$way, its window destroyed $delay s after the start"
  done
  start_host 160 120 --input-only
  start "$vorn" "$way" "$host" 2>"$work/stderr"
  expect_quiet_end "$started" "$way on an input-only window"
  kill "$keeper"
done

# A window that does not exist: a message, and exit code 0.
"$vorn" -window-id 0x7ffffff 2>"$work/stderr"
status=$?
[ "$status" -eq 0 ] || fail "a missing window gave exit code $status"
[ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "a missing window did not give one line"

finish
