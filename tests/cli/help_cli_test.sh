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

for help in --help -help -h "/s --help"; do
  # shellcheck disable=SC2086 # each case is one or more words
  run $help
  [ "$status" -eq 0 ] || fail "'$help' exited with $status"
  head -n 1 "$work/out" | grep -q '^Usage: vorn' || fail "'$help' printed no usage text"
  for option in --snapshot --detail --delay --fps --version; do
    grep -q -- "$option" "$work/out" || fail "'$help' does not mention $option"
  done
  [ ! -s "$work/err" ] || fail "'$help' wrote to standard error"
done

run --version
[ "$status" -eq 0 ] || fail "--version exited with $status"
[ "$(cat "$work/out")" = "vorn $version" ] || fail "--version printed '$(cat "$work/out")'"

for bad in "--bogus" "/s --bogus" "--root --bogus" "/p 5 --colour red"; do
  # shellcheck disable=SC2086
  run $bad
  [ "$status" -eq 2 ] || fail "'$bad' exited with $status, not 2"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$bad' did not print exactly one line"
  grep -q -- "--[bc]o" "$work/err" || fail "'$bad' message does not name the word"
  [ ! -s "$work/out" ] || fail "'$bad' wrote to standard output"
done

# An unknown switch letter does nothing, silently.
run /q
if [ "$status" -ne 0 ] || [ -s "$work/out" ] || [ -s "$work/err" ]; then
  fail "/q was not silent or exited with $status"
fi

finish "help command"
