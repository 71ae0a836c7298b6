#!/bin/sh
# The drawing program without GTK, and the dialog program that /c hands over
# to: found from the build tree and from both installed copies of vorn, and
# one clear line with exit code 1 when it is missing.
# Usage: dialog_program_test.sh path/to/vorn BUILD_DIR path/to/cmake
set -u
vorn=$1 build=$2 cmake=$3
# shellcheck source=tests/cli/lib.sh
. "$(dirname "$0")/lib.sh"

toolkit=$(ldd "$vorn" | awk '/lib(gtk|gdk|pango|cairo|atk|harfbuzz)/ { printf " %s", $1 }')
[ -z "$toolkit" ] || fail "vorn loads the dialog's toolkit:$toolkit"

# Without a display the dialog program itself answers, which shows it was found.
"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null || fail "the install failed"
for copy in "$vorn" "$work/prefix/bin/vorn" "$work/prefix/libexec/xscreensaver/vorn"; do
  env -u DISPLAY -u WAYLAND_DISPLAY "$copy" /c 2>"$work/stderr"
  status=$?
  grep -q "X display for the settings dialog" "$work/stderr" ||
    fail "$copy /c did not reach the dialog program: $(cat "$work/stderr")"
  [ "$status" -eq 1 ] || fail "$copy /c without a display exited with $status, not 1"
done

mkdir "$work/alone"
cp "$vorn" "$work/alone/vorn"
"$work/alone/vorn" /c 2>"$work/stderr"
status=$?
[ "$status" -eq 1 ] || fail "/c without the dialog program exited with $status, not 1"
if [ "$(wc -l <"$work/stderr")" -ne 1 ] ||
  ! grep -q "^vorn: the settings dialog program is missing" "$work/stderr"; then
  fail "/c without the dialog program did not say so in one line: $(cat "$work/stderr")"
fi

finish "dialog program"
