#!/bin/sh
# Preview (/p, /l) inside a host's window: a child of the host's size that
# draws the scene, ignores input, and ends with exit code 0 when the host
# window is destroyed.
# Usage: preview_test.sh path/to/vorn path/to/host_window, on a 640x480 display.
set -u
# shellcheck source=tests/x11/lib.sh
. "$(dirname "$0")/lib.sh"

settings 0 2
start_host 152 112
start "$vorn" /p "$host"
preview=$started
if eventually 30 has_child; then
  [ "$(children "$host" | wc -l)" -eq 1 ] || fail "the preview made more than one window"
  [ "$(geometry "$child")" = 152x112+0+0 ] || fail "the preview is $(geometry "$child")"
  eventually 20 shows_scene "$host" || fail "the preview shows no scene"

  # Nothing the user does closes a preview, not even with mouse control off.
  # Apart in time, so that the first move is not folded into the next.
  xdotool mousemove 20 20
  sleep 0.2
  xdotool mousemove 140 100 click 1 click 2 click 3 key x key Escape mousemove 5 5
  expect_running "$preview" "input to the preview"
  kill "$keeper"
  expect_ended "$preview" "destroying the host window"
else
  fail "no preview window within 30 s"
fi

# /l is /p by another name, and the number may follow a colon.
start_host 200 150
start "$vorn" "/l:$host"
preview=$started
eventually 30 has_child || fail "/l:ID made no preview window"
[ "$(geometry "$child")" = 200x150+0+0 ] || fail "the /l preview is $(geometry "$child")"
kill "$keeper"
ended_within 15 "$preview" || fail "the /l preview did not end with its host window"

# No window to preview in (an X window id that nobody has): a message, and exit code 0 at once.
for parent in 4000000000 4294967295; do
  "$vorn" /p "$parent" 2>"$work/stderr"
  status=$?
  [ "$status" -eq 0 ] || fail "/p $parent exited with $status"
  [ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "/p $parent did not say one line"
done

finish
