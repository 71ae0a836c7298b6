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

# No display server is needed. Mesa's software renderer draws this picture
# byte for byte as the X11 path drew it with the same 8-bit configuration;
# a graphics card would draw it in its own way.
reference="$(dirname "$0")/reference/snapshot_day_seed3.png"
env -u DISPLAY -u WAYLAND_DISPLAY LIBGL_ALWAYS_SOFTWARE=1 "$vorn" --snapshot "$work/headless.png" \
  --size 320x240 --seed 3 --ms 20000 --clock 10:09:30 --look day --frames 2 2>"$work/stderr"
status=$?
[ "$status" -eq 0 ] || fail "without a display server the exit code was $status: $(cat "$work/stderr")"
[ ! -s "$work/stderr" ] || fail "without a display server it printed: $(cat "$work/stderr")"
[ "$(png_size "$work/headless.png")" = 320x240 ] || fail "without a display server the PNG is not 320x240"
cmp -s "$work/headless.png" "$reference" || fail "the picture differs from $reference"

# Without the EGL platform it draws on, it says so in one line and writes nothing.
__EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent.json "$vorn" --snapshot "$work/noegl.png" --seed 1 \
  2>"$work/stderr"
status=$?
[ "$status" -eq 1 ] || fail "without EGL the exit code was $status, not 1"
if [ "$(wc -l <"$work/stderr")" -ne 1 ] || ! grep -q "^vorn: .*EGL" "$work/stderr"; then
  fail "without EGL it did not say so in one line: $(cat "$work/stderr")"
fi
[ ! -e "$work/noegl.png" ] || fail "without EGL a file was written"

"$vorn" --snapshot "$work/missing-dir/x.png" --seed 1 2>"$work/stderr"
status=$?
[ "$status" -eq 1 ] || fail "an unwritable path exited with $status, not 1"

# A write that fails part way, to a device or at a file size limit (as on a full
# disk), leaves the old file as it was and no partial or temporary file. The
# limit's signal is vorn's to ignore.
printf old >"$work/kept.png"
for target in /dev/full "$work/kept.png"; do
  (
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

# Too little memory for the pixels, or for encoding them, is a picture that
# cannot be written. AddressSanitizer cannot start under such a limit.
if ! ldd "$vorn" | grep -q libasan; then
  for limit in 1000000 4000000; do
    (
      # shellcheck disable=SC3045 # dash, Debian's sh, has -v
      ulimit -v "$limit"
      "$vorn" --snapshot "$work/huge.png" --size 16384x16384 --seed 1
    ) 2>"$work/stderr"
    status=$?
    [ "$status" -eq 1 ] || fail "a snapshot in $limit KiB exited with $status, not 1"
    if [ "$(wc -l <"$work/stderr")" -ne 1 ] || ! grep -q "^vorn: cannot " "$work/stderr"; then
      fail "a snapshot in $limit KiB did not say so in one line: $(head -c 300 "$work/stderr")"
    fi
    [ -z "$(find "$work" -name 'huge*')" ] || fail "a snapshot in $limit KiB left a file"
  done
fi

finish "snapshot command"
