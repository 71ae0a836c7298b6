#!/bin/sh
# Frame pacing and the frame rate: --delay pauses after each frame (frames
# counted as drawings on the host's window) and a stop cuts it short, and --fps draws the rate in the
# bottom-left corner, light text on a dark box.
# Usage: pacing_test.sh path/to/vorn path/to/host_window, on a 640x480 display.
set -u
# shellcheck source=tests/x11/lib.sh
. "$(dirname "$0")/lib.sh"

# shellcheck disable=SC2317 # called through eventually
drawing() {
  [ "$("$helper" --count-frames "$1" 1)" -gt 0 ]
}

# Frames drawn on window $1 in 3 s, once drawing has begun.
frames_in_3s() {
  eventually 30 drawing "$1" || fail "nothing drawn on $1 within 30 s"
  "$helper" --count-frames "$1" 3
}

settings 0 1
start_host 152 112

# Each delay with the frames it allows in 3 s: at most one per pause, and at
# least as many as a small frame drawn in well under the pause gives.
for case in "20000 15 151" "100000 20 31"; do
  # shellcheck disable=SC2086 # each case is three words
  set -- $case
  start "$vorn" --window-id "$host" --delay "$1"
  counted=$(frames_in_3s "$host")
  if [ "$counted" -lt "$2" ] || [ "$counted" -gt "$3" ]; then
    fail "--delay $1 drew $counted frames in 3 s, not $2 to $3"
  fi
  kill "$started"
  wait "$started"
done

# A stop signal in the middle of a long pause ends vorn at once, not when
# the pause is over.
# shellcheck disable=SC2317 # called through eventually
drawn_once() {
  shot "$host" "$work/first.png"
  [ "$(colours "$work/first.png")" -ge 10 ]
}
start "$vorn" --window-id "$host" --delay 10000000
eventually 30 drawn_once || fail "nothing drawn with --delay 10000000 within 30 s"
kill "$started"
ended_within 2 "$started" || fail "SIGTERM in a 10 s pause did not end vorn within 2 s"

# The rate shows in the preview with --fps, and not without it.
start "$vorn" --window-id "$host" --detail low
eventually 20 shows_scene "$host" || fail "nothing drawn without --fps"
shows_rate "$host" 80x15+6+90 && fail "a dark box with light text shows without --fps"
kill "$started"
wait "$started"
start "$vorn" /p "$host" --fps
eventually 15 shows_rate "$host" 80x15+6+90 || fail "--fps shows no rate in the preview's corner"

finish
