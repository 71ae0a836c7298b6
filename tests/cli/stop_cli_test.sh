#!/bin/sh
# Stopping vorn the way hosts and users do, as early as they can: SIGTERM or
# SIGINT once the program runs ends every drawing mode with the code the
# manual gives and a snapshot with one line and no picture. On the way, junk
# in XSCREENSAVER_WINDOW is quoted, not echoed.
# Usage: stop_cli_test.sh path/to/vorn (on an X display)
set -u
vorn=$1
# shellcheck source=tests/cli/lib.sh
. "$(dirname "$0")/lib.sh"

root=$(xwininfo -root | awk '/Window id:/ { print $4 }')

# Runs until COMMAND succeeds or SECONDS pass; fails when time runs out.
# Usage: wait_until SECONDS COMMAND...
wait_until() {
  deadline=$(($(date +%s) + $1))
  shift
  until "$@"; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.01
  done
}

# shellcheck disable=SC2317 # called through wait_until
ended() { ! kill -0 "$pid" 2>/dev/null; }
# shellcheck disable=SC2317
said() { grep -q -- "$1" "$work/stderr" || ended; }

# Starts vorn with the given arguments and its start-up trace on, waits for a
# line matching PATTERN on its standard error, sends SIGNAL and sets status to
# its exit code; the standard error stays in $work/stderr. A shell starts
# background commands with SIGINT ignored; env gives vorn the signals as a
# terminal would.
# Usage: stop_at PATTERN SIGNAL ARGUMENTS...
stop_at() {
  pattern=$1 signal=$2
  shift 2
  # Emptied here: the background command may open it after the first look.
  : >"$work/stderr"
  VORN_STARTUP_TRACE=1 env --default-signal=INT,TERM "$vorn" "$@" 2>"$work/stderr" &
  pid=$!
  wait_until 10 said "$pattern" || fail "'$*' did not say '$pattern' in 10 s"
  kill -s "$signal" "$pid" 2>/dev/null
  if ! wait_until 10 ended; then
    fail "'$*' went on for 10 s after SIG$signal"
    kill -s KILL "$pid"
  fi
  wait "$pid"
  status=$?
}

# The first trace line comes from the top of main, before any set-up.
while read -r expected arguments; do
  for signal in TERM INT; do
    # shellcheck disable=SC2086 # the arguments are several words
    stop_at "startup main" "$signal" $arguments
    [ "$status" -eq "$expected" ] ||
      fail "SIG$signal at the start of '$arguments' exited with $status, not $expected"
  done
done <<CASES
0 --root
0 --window-id $root
0 --window
0 /s
0 /p $((root))
1 --snapshot $work/stopped.png --frames 100000
CASES
grep -q "^vorn: stopped; no picture written" "$work/stderr" ||
  fail "a stopped snapshot did not say so: $(grep -v startup "$work/stderr")"
[ ! -e "$work/stopped.png" ] || fail "a stopped snapshot wrote a picture"
[ -z "$(find "$work" -name 'stopped*')" ] || fail "a stopped snapshot left a file"

junk=$(printf 'not\033]0;owned\007\033[31m%0100000d' 0)
XSCREENSAVER_WINDOW=$junk stop_at "not a window id" TERM --root
message=$(grep "not a window id" "$work/stderr")
case $message in
  *"$(printf '\033')"* | *"$(printf '\007')"*) fail "XSCREENSAVER_WINDOW's escapes reached the terminal" ;;
esac
[ "${#message}" -lt 200 ] || fail "XSCREENSAVER_WINDOW was echoed whole (${#message} characters)"
case $message in
  *'not\e]0;owned\a\e[31m'*) ;;
  *) fail "XSCREENSAVER_WINDOW was not quoted escaped: $(printf %.200s "$message")" ;;
esac

finish "stop command"
