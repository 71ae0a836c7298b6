#!/bin/sh
# The idle watcher's command line as a user meets it, with no desktop at all:
# help, version, usage errors, a session without an idle source, and a
# watcher without vorn beside it; each says one line at most on stderr.
# Usage: idle_cli_test.sh path/to/vorn-idle VERSION
set -u
watcher=$1
version=$2
# shellcheck source=tests/cli/lib.sh
. "$(dirname "$0")/lib.sh"

# Runs it with the arguments given and no display or bus; sets status, and
# leaves the output in $work/out and $work/err.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$work" \
    "$watcher" "$@" >"$work/out" 2>"$work/err"
  status=$?
}

run --after 5 --help
if [ "$status" -ne 0 ] || ! head -n 1 "$work/out" | grep -q '^Usage: vorn-idle'; then
  fail "--help: code $status, printed $(head -n 1 "$work/out")"
fi
run --version
[ "$status:$(cat "$work/out")" = "0:vorn-idle $version" ] || fail "--version: $status:$(cat "$work/out")"

for wrong in "--after" "--after 0" "--after 86401" "/s"; do
  # shellcheck disable=SC2086 # each case is one or more words
  run $wrong
  [ "$status" -eq 2 ] || fail "'$wrong' exited with $status"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$wrong' said: $(cat "$work/err")"
done

run --after 2
[ "$status" -eq 1 ] || fail "with no idle source: exit code $status"
if [ "$(wc -l <"$work/err")" -ne 1 ] ||
  ! grep -q 'no idle source: looked for ext-idle-notify-v1 .*MIT-SCREEN-SAVER' "$work/err"; then
  fail "with no idle source, it said: $(cat "$work/err")"
fi

cp "$watcher" "$work/alone"
env -u DISPLAY "$work/alone" >"$work/out" 2>"$work/err"
status=$?
if [ "$status" -ne 1 ] || ! grep -q "vorn is missing (looked for $work/vorn)" "$work/err"; then
  fail "without vorn beside it: code $status, said $(cat "$work/err")"
fi

finish "idle watcher command line"
