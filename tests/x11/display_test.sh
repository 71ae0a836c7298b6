#!/bin/sh
# Displays that cannot serve vorn, each on an Xvfb of its own: one without
# GLX ends every drawing mode with vorn's one line and exit code 0;
# a server killed at any moment of the start-up ends every mode with at most
# one line of vorn's, never a crash or Xlib's own message, and the exit code
# of a server lost later in the run.
# Usage: display_test.sh path/to/vorn path/to/host_window, on any display.
set -u
# shellcheck source=tests/x11/lib.sh
. "$(dirname "$0")/lib.sh"

# Starts vorn in the mode $1 on the current display, on or in a host window
# of its own where the mode needs one; the process is in $run.
start_mode() {
  case $1 in
    --window-id | /p)
      start_host 160 120 2>/dev/null
      start "$vorn" "$1" "$host" 2>"$work/stderr"
      ;;
    --root-on-host)
      start_host 160 120 2>/dev/null
      start env XSCREENSAVER_WINDOW="$host" "$vorn" --root 2>"$work/stderr"
      ;;
    *) start "$vorn" "$1" 2>"$work/stderr" ;;
  esac
  run=$started
}

# Expects the run to end within 20 s with the exit code $2 (or, only where
# $3 is given, that one) and with one line on standard error matching $4
# (at most one for $5 = "at most"), after what $1 says.
expect_end() {
  if ! ended_within 20 "$run"; then
    fail "$1: vorn did not end"
    return
  fi
  lines=$(wc -l <"$work/stderr")
  if [ "$status" -ne "$2" ] && [ "$status" -ne "${3:-$2}" ]; then
    fail "$1: exit code $status; said: $(cat "$work/stderr")"
  elif [ "$lines" -gt 1 ] || { [ "$lines" -eq 0 ] && [ "$5" != "at most" ]; } ||
    { [ "$lines" -eq 1 ] && ! grep -q "$4" "$work/stderr"; }; then
    fail "$1: said: $(cat "$work/stderr")"
  fi
}

screen=$DISPLAY

# Without GLX: a screen of 8 bits, on which Xvfb offers none, and the extension turned off.
for kind in "640x480x8" "640x480x24 -extension GLX"; do
  for mode in /s --window --root --window-id /p; do
    # shellcheck disable=SC2086 # the size and the server's options
    start_display $kind
    export DISPLAY="$display"
    start_mode "$mode"
    expect_end "$mode on a display of $kind" 0 "" "^vorn: .*GLX" exactly
    kill "$server"
    export DISPLAY="$screen"
  done
done

# The server killed during the start-up. Killed before vorn connects, it
# never was there: exit code 1 and the line that says so.
for delay in 0.05 0.1 0.15 0.2 0.25 0.3 0.35 0.4 0.45 0.5; do
  for mode in /s --window --root --root-on-host --window-id /p; do
    start_display 640x480x24 +extension GLX
    export DISPLAY="$display"
    start_mode "$mode"
    # The moment is the point: each falls in another step of the start-up.
    sleep "$delay"
    kill "$server"
    expect_end "$mode, its X server killed $delay s after the start" 0 1 "^vorn: " "at most"
    export DISPLAY="$screen"
  done
done

finish
