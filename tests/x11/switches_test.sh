#!/bin/sh
# The switches that draw nothing, bad arguments, a settings file that its
# user cannot read, and the saver in an ordinary window.
# Usage: switches_test.sh path/to/vorn path/to/host_window, on a 640x480 display.
set -u
# shellcheck source=tests/x11/lib.sh
. "$(dirname "$0")/lib.sh"

# Runs vorn with the arguments after the expected exit code; fails unless it
# ends within 10 s with that code. Its output is in $work/stdout and $work/stderr.
expect_exit() {
  expected=$1
  shift
  start "$vorn" "$@" >"$work/stdout" 2>"$work/stderr"
  if ! ended_within 10 "$started"; then
    fail "'$*' did not end at once"
  elif [ "$status" -ne "$expected" ]; then
    fail "'$*' exited with $status, not $expected"
  fi
}

lines() {
  wc -l <"$1"
}

# Unknown switches, and /a, do nothing at all: no window, no output, code 0.
for switch in /x -q z /a "/a 99" "-A:99"; do
  # shellcheck disable=SC2086 # "/a 99" is two arguments
  expect_exit 0 $switch
  if [ "$(lines "$work/stdout")" -ne 0 ] || [ "$(lines "$work/stderr")" -ne 0 ]; then
    fail "'$switch' printed something"
  fi
done
[ -z "$(vorn_window)" ] || fail "a switch that does nothing made a window"

# Bad arguments of the hack options: one line that names them, exit code 2.
for bad in "--detail ultra" "--root --detail" "-window-id 0xzz" "--root -wireframe" \
  "--window-id" "--root --delay -1"; do
  # shellcheck disable=SC2086 # several arguments each
  expect_exit 2 $bad
  [ "$(lines "$work/stderr")" -eq 1 ] || fail "'$bad' did not print one line"
done

# Without a display there is nothing to draw on: exit code 1 and a message.
start env -u DISPLAY "$vorn" /s 2>"$work/stderr"
if ! ended_within 10 "$started" || [ "$status" -ne 1 ]; then
  fail "/s without a display did not exit with 1 at once"
fi
grep -q "X display" "$work/stderr" || fail "/s without a display does not say so"

# A settings file its user cannot read: the defaults, one line naming it, the file unchanged.
# Root reads every file, so an unprivileged user runs this one.
if id nobody >/dev/null 2>&1; then
  home="$work/nobody"
  mkdir -p "$home/vorn"
  printf '[vorn]\nRotate=0\nDetail=0\n' >"$home/vorn/vorn.conf"
  chmod 000 "$home/vorn/vorn.conf"
  [ -z "$drop_root" ] || chown -R nobody "$home"
  before=$(stat -c '%a %s %Y' "$home/vorn/vorn.conf")
  user_vorn=$(reachable "$vorn")
  # Without a display /s reads the settings, then ends with exit code 1.
  $drop_root env -u DISPLAY XDG_CONFIG_HOME="$home" "$user_vorn" /s >"$work/stdout" 2>"$work/stderr"
  status=$?
  [ "$status" -eq 1 ] || fail "an unreadable settings file gave exit code $status"
  if [ "$(grep -c "$home/vorn/vorn.conf" "$work/stderr")" -ne 1 ]; then
    fail "an unreadable settings file did not give one line naming it"
  fi
  [ "$(stat -c '%a %s %Y' "$home/vorn/vorn.conf")" = "$before" ] || fail "the unreadable file changed"
else
  fail "no user 'nobody' to read a settings file without root's rights"
fi

# --window: the full-screen saver's rules in an ordinary 1280x720 window; a key ends it.
settings 1 1
start "$vorn" --window
windowed=$started
if eventually 30 has_window; then
  [ "$(geometry "$window")" = 1280x720+0+0 ] || fail "--window made $(geometry "$window")"
  # With no window manager the keyboard follows the pointer.
  xdotool mousemove 300 300
  xdotool key space
  if ! ended_within 15 "$windowed"; then
    fail "a key did not end --window"
  elif [ "$status" -ne 0 ]; then
    fail "--window ended with exit code $status"
  fi
else
  fail "--window made no window within 30 s"
fi

finish
