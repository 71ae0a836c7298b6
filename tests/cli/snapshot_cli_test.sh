#!/bin/sh
# The snapshot command as a user runs it: exit codes, messages and the PNG it writes.
# Usage: snapshot_cli_test.sh path/to/vorn
set -u
vorn=$1
# shellcheck source=tests/cli/lib.sh
. "$(dirname "$0")/lib.sh"

# Width and height from a PNG's header, as "WxH".
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}

"$vorn" --snapshot "$work/small.png" --size 152x112 --seed 1 --ms 5000 --clock 03:00:00 \
  --detail middle --look night --frames 3
status=$?
[ "$status" -eq 0 ] || fail "a good snapshot exited with $status"
[ "$(png_size "$work/small.png")" = 152x112 ] || fail "the PNG is not 152x112"

"$vorn" --snapshot "$work/default.png" --seed 1
[ "$(png_size "$work/default.png")" = 640x480 ] || fail "the default PNG is not 640x480"

for bad in "--size 0x5" "--detail ultra" "--frames" "--look dusk" "--bogus 1"; do
  # shellcheck disable=SC2086 # each case is several words
  "$vorn" --snapshot "$work/bad.png" $bad 2>"$work/stderr"
  status=$?
  [ "$status" -eq 2 ] || fail "'$bad' exited with $status, not 2"
  [ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "'$bad' did not print exactly one line"
  first_word=${bad%% *}
  grep -q -- "$first_word" "$work/stderr" || fail "'$bad' message does not name $first_word"
  [ ! -e "$work/bad.png" ] || fail "'$bad' wrote a file"
done

env -u DISPLAY "$vorn" --snapshot "$work/nodisplay.png" 2>"$work/stderr"
status=$?
[ "$status" -eq 1 ] || fail "without a display the exit code was $status, not 1"
grep -q "X display" "$work/stderr" || fail "without a display the message does not say so"
[ ! -e "$work/nodisplay.png" ] || fail "without a display a file was written"

"$vorn" --snapshot "$work/missing-dir/x.png" --seed 1 2>"$work/stderr"
status=$?
[ "$status" -eq 1 ] || fail "an unwritable path exited with $status, not 1"

# A write that fails part way, to a device or at a file size limit (as on a full
# disk), leaves the old file as it was and no partial or temporary file.
printf old >"$work/kept.png"
for target in /dev/full "$work/kept.png"; do
  (
    trap '' XFSZ
    ulimit -f 1
    "$vorn" --snapshot "$target" --seed 1
  ) 2>"$work/stderr"
  status=$?
  [ "$status" -eq 1 ] || fail "a failed write to $target exited with $status, not 1"
  if [ "$(wc -l <"$work/stderr")" -ne 1 ] || ! grep -q "^vorn: .*$target" "$work/stderr"; then
    fail "a failed write to $target did not say so in one line: $(cat "$work/stderr")"
  fi
done
[ -c /dev/full ] || fail "/dev/full is no longer a device"
[ -z "$(find /dev -maxdepth 1 -name 'full?*')" ] || fail "a temporary file was left in /dev"
[ "$(cat "$work/kept.png")" = old ] || fail "the old file was changed"
[ "$(find "$work" -name "kept*" | wc -l)" -eq 1 ] || fail "a temporary file was left beside kept.png"

# The X server going away during a long snapshot ends it at once, with one line and no picture.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -nolisten tcp +extension GLX 3>"$work/displayfd" 2>/dev/null &
server=$!
read -r number <"$work/displayfd"
start env DISPLAY=":$number" "$vorn" --snapshot "$work/orphan.png" --frames 100000 2>"$work/stderr"
snapshot=$started
# Drawing has begun once start-up's work is behind it: a second of the processor.
# shellcheck disable=SC2317 # called through eventually
drawing() {
  [ "$(cpu_ticks "$snapshot")" -ge "$(getconf CLK_TCK)" ]
}
eventually 30 drawing || fail "the snapshot did not start drawing within 30 s"
kill "$server"
wait "$server"
if ! ended_within 10 "$snapshot"; then
  fail "the snapshot went on for 10 s after its X server was gone"
  status=none
fi
[ "$status" = 1 ] || fail "losing the X server exited with $status, not 1"
if [ "$(wc -l <"$work/stderr")" -ne 1 ] || ! grep -q "^vorn: " "$work/stderr"; then
  fail "losing the X server did not say so in one line: $(cat "$work/stderr")"
fi
[ ! -e "$work/orphan.png" ] || fail "losing the X server still wrote a picture"

finish "snapshot command"
