#!/bin/sh
# A stop signal ends /s at once however the compositor behaves: busy, with
# three large outputs to draw in software and the connection always
# readable, or stopped, with vorn still starting up and waiting on it. And a
# second /s while one saves ends at once, leaving the first to serve.
# Usage: stop_test.sh path/to/vorn path/to/virtual_input
set -u
# shellcheck source=tests/wayland/lib.sh
. "$(dirname "$0")/lib.sh"

# Sends SIGTERM to $saver and expects it to end within 2 s with code 0.
expect_stopped() {
  kill -s TERM "$saver"
  if ! ended_within 2 "$saver"; then
    fail "$1: still running 2 s after SIGTERM"
    kill -s KILL "$saver"
  elif [ "$status" -ne 0 ]; then
    fail "$1: SIGTERM ended it with code $status"
  fi
}

start_sway
swaymsg create_output >/dev/null
swaymsg create_output >/dev/null
set_output HEADLESS-1 1920x1080+0+0
set_output HEADLESS-2 1920x1080+1920+0
set_output HEADLESS-3 1920x1080+3840+0

# shellcheck disable=SC2086 # the prefix is meant to split into words
start $drop_root "$user_vorn" /s
saver=$started
eventually 20 shows_scene HEADLESS-3 || fail "no scene on the third output within 20 s"
second=$work/second.err
# shellcheck disable=SC2086
start $drop_root "$user_vorn" /s 2>"$second"
if ! ended_within 5 "$started"; then
  fail "a second /s is still running beside the first"
elif [ "$status" -ne 0 ] || [ -s "$second" ]; then
  fail "a second /s ended with code $status: $(cat "$second")"
fi
running "$saver" || fail "a second /s ended the first"
expect_stopped "three busy outputs"

kill -s STOP "$sway"
# shellcheck disable=SC2086
start env VORN_STARTUP_TRACE=1 $drop_root "$user_vorn" /s 2>"$work/trace"
saver=$started
eventually 10 grep -q "startup main" "$work/trace" || fail "vorn did not start"
expect_stopped "a compositor that stopped answering"
kill -s CONT "$sway"

finish
