# shellcheck shell=sh
# What every command-line test shares: a scratch folder removed on exit, and
# failures counted rather than ending the test at the first.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Ends the test: its exit code is the number of failures.
finish() {
  [ "$failures" -eq 0 ] && echo "$1: all checks passed"
  exit "$failures"
}
