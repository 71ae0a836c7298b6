#!/bin/sh
# Help, version and usage errors as a user meets them: what goes to which
# stream, and the exit codes. None of them needs a display.
# Usage: help_cli_test.sh path/to/vorn VERSION
set -u
vorn=$1
version=$2
# shellcheck source=tests/cli/lib.sh
. "$(dirname "$0")/lib.sh"

# Runs vorn with the given arguments and no display; sets status, and leaves
# the output in $work/out and $work/err.
run() {
  env -u DISPLAY "$vorn" "$@" >"$work/out" 2>"$work/err"
  status=$?
}

for help in --help -help -h "/s --help" "--snapshot a.png --size 9x9 --help"; do
  # shellcheck disable=SC2086 # each case is one or more words
  run $help
  [ "$status" -eq 0 ] || fail "'$help' exited with $status"
  head -n 1 "$work/out" | grep -q '^Usage: vorn' || fail "'$help' printed no usage text"
  for option in --snapshot --detail --delay --fps --version vorn-idle; do
    grep -q -- "$option" "$work/out" || fail "'$help' does not mention $option"
  done
  [ ! -s "$work/err" ] || fail "'$help' wrote to standard error"
done

for asked in "--version" "--snapshot a.png --version"; do
  # shellcheck disable=SC2086
  run $asked
  [ "$status" -eq 0 ] || fail "'$asked' exited with $status"
  [ "$(cat "$work/out")" = "vorn $version" ] || fail "'$asked' printed '$(cat "$work/out")'"
done

for bad in "--bogus" "/s --bogus" "--root --bogus" "/p 5 --colour red"; do
  # shellcheck disable=SC2086
  run $bad
  [ "$status" -eq 2 ] || fail "'$bad' exited with $status, not 2"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$bad' did not print exactly one line"
  grep -q -- "--[bc]o" "$work/err" || fail "'$bad' message does not name the word"
  [ ! -s "$work/out" ] || fail "'$bad' wrote to standard output"
done

# A preview with no decimal window id names what it was given.
while IFS='|' read -r arguments named; do
  # shellcheck disable=SC2086
  run $arguments
  [ "$status" -eq 2 ] || fail "'$arguments' exited with $status, not 2"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$arguments' did not print exactly one line"
  grep -q -- "$named" "$work/err" || fail "'$arguments' message does not name $named"
done <<'CASES'
/p abc|: abc
/p 0x123|: 0x123
/l 0|: 0 
/p|missing
CASES

# No display server: one line that names each display tried, and code 1. A
# dead Wayland socket and no X display must not read as a missing X alone.
: >"$work/not-a-socket"
while IFS='|' read -r wayland arguments named; do
  # shellcheck disable=SC2086
  WAYLAND_DISPLAY=$wayland XDG_RUNTIME_DIR=$work run $arguments
  [ "$status" -eq 1 ] || fail "'$arguments' with no display exited with $status, not 1"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$arguments' with no display said $(wc -l <"$work/err") lines"
  grep -q "$named" "$work/err" || fail "'$arguments' with no display said: $(cat "$work/err")"
done <<'CASES'
not-a-socket|--window|Wayland display .*not-a-socket.* nor an X display (DISPLAY is not set)
|/s|a Wayland display (WAYLAND_DISPLAY is not set) nor an X display
not-a-socket|/p 5|^vorn: cannot open an X display (DISPLAY is not set)$
CASES

# An unknown switch letter does nothing, silently.
run /q
if [ "$status" -ne 0 ] || [ -s "$work/out" ] || [ -s "$work/err" ]; then
  fail "/q was not silent or exited with $status"
fi

finish "help command"
