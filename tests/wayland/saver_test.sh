#!/bin/sh
# Full-screen saving (/s) on a Wayland compositor with two outputs of
# different shapes, a third added while it runs and then set to scale 2,
# real keys, a virtual pointer and the idle timer of swayidle; and the
# compositor killed under it.
# Usage: saver_test.sh path/to/vorn path/to/virtual_input
set -u
# shellcheck source=tests/wayland/lib.sh
. "$(dirname "$0")/lib.sh"

start_sway
swaymsg create_output >/dev/null
set_output HEADLESS-1 600x480+0+0
set_output HEADLESS-2 720x320+600+0
start_pointer 1320 480

# Starts vorn /s with the options after $1 and waits until both outputs show
# the scene; its process in $saver.
start_saver() {
  name=$1
  shift
  # shellcheck disable=SC2086 # the prefix is meant to split into words
  start $drop_root "$user_vorn" /s "$@" 2>"$work/vorn.err"
  saver=$started
  for output in HEADLESS-1 HEADLESS-2; do
    eventually 10 shows_scene "$output" || fail "$name: no scene on $output within 10 s"
  done
}

# Each output has a view of its own shape: the same vertical field of view,
# so the picture on the 720x320 output is the one on the 600x480 output at
# 2/3 of its size, with more at the sides. Compared small, as the swing
# moves on between the two outputs' frames; a view of the other's shape
# stretches the picture sideways by 1.8 and differs more than 6 times as much.
same_view() {
  as_user grim - >"$work/layout.png"
  difference=$(view_difference "$work/layout.png" 600x480+0+0 400x320+760+0)
  ! greater "$difference" 0.04
}

# How much the areas $2 and $3 of the picture $1 differ, compared small (0 to 1).
view_difference() {
  convert "$1" -crop "$2" +repage -resize 40x32! "$work/first-area.png"
  convert "$1" -crop "$3" +repage -resize 40x32! "$work/second-area.png"
  compare -metric RMSE "$work/first-area.png" "$work/second-area.png" null: 2>&1 |
    sed 's/.*(\(.*\))/\1/'
}

# How much of the picture $1 is finer than two pixels: its difference from
# itself at half size enlarged again. A half-size picture enlarged by
# doubling its pixels has none.
# shellcheck disable=SC2317 # called through eventually
fine_detail() {
  convert "$1" -scale 50% -scale 200% "$work/coarse.png"
  compare -metric RMSE "$1" "$work/coarse.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}

settings 1 2
start_saver "two outputs"
same_view || fail "the outputs do not show the same view at their own shapes (difference $difference)"
key x
expect_ended "$saver" "a key"

# A held Enter switches the look once: nothing repeats it while it is down.
start_saver "held Enter"
first=$(look HEADLESS-1)
key -P Return -s 2000 -p Return &
holder=$!
# shellcheck disable=SC2317 # called through eventually
switched() { [ "$(look HEADLESS-1)" != "$first" ]; }
eventually 2 switched || fail "a held Enter did not switch the look from $first"
held=""
for _ in 1 2 3 4; do
  held="$held $(look HEADLESS-1)"
done
wait "$holder"
# shellcheck disable=SC2086 # one look a word
clear=$(printf '%s\n' $held | grep -v unclear | sort -u | tr -d '\n')
case "$first:$clear" in
  day:night | night:day) ;;
  *) fail "a held Enter: $first, then while held$held" ;;
esac
key -k Return
# shellcheck disable=SC2317 # called through eventually
back() { [ "$(look HEADLESS-1)" = "$first" ]; }
eventually 2 back || fail "a second Enter did not switch the look back to $first"
expect_running "$saver" "Enter"
key Escape
expect_ended "$saver" "Escape"

# Mouse control off: the first report places the pointer; a hand resting on
# the mouse within 5 pixels of there keeps the saver, a slow hand moving in
# small steps ends it.
settings 0 2
pointer to 320 240
start_saver "Rotate 0"
jitter
expect_running "$saver" "two seconds of jitter within 5 pixels"
sweep
expect_ended "$saver" "a slow sweep in steps of 3 pixels"

# Mouse control on: a right-drag up and left zooms out until the camera looks
# past the floor's near edge, so the sky fills the bottom rows; the saver stays.
bottom_sky() {
  sky_share HEADLESS-1 600x8+0+472
}
settings 1 2
pointer to 590 470
start_saver "Rotate 1"
before=$(bottom_sky)
pointer press right
for _ in 1 2 3 4 5 6 7; do pointer move -90 -68; done
pointer release right
# shellcheck disable=SC2317 # called through eventually
zoomed_out() { [ "$(bottom_sky)" -ge 90 ]; }
eventually 3 zoomed_out || fail "a right-drag does not zoom out: sky in the bottom rows $before%, then $(bottom_sky)%"
expect_running "$saver" "a drag"
pointer press middle
expect_ended "$saver" "a middle click"
pointer release middle

# An output added while the saver runs is covered within a second. (The
# headless sway of Debian 12 can neither unplug nor disable nor power off an
# output, so outputs taken away are not tried here.)
start_saver "a new output"
swaymsg create_output >/dev/null
set_output HEADLESS-3 400x300+1320+0
eventually 1 shows_scene HEADLESS-3 || fail "the new output HEADLESS-3 is not covered within a second"
key x
expect_ended "$saver" "a key with three outputs"

# The desktop's idle timer starts it, and a key ends it.
# shellcheck disable=SC2086 # the prefix is meant to split into words
start $drop_root swayidle -w timeout 1 "$user_vorn /s" 2>"$work/swayidle.log"
idle=$started
# shellcheck disable=SC2317 # called through eventually
saver_pid() { saver=$(pgrep -n -f "^$user_vorn /s"); [ -n "$saver" ]; }
if eventually 5 saver_pid; then
  eventually 10 shows_scene HEADLESS-1 || fail "swayidle: no scene within 10 s"
  key x
  # shellcheck disable=SC2317 # called through eventually
  gone() { ! kill -0 "$saver" 2>/dev/null; }
  eventually 5 gone || fail "swayidle: a key did not end the saver"
else
  fail "swayidle did not start the saver after an idle second"
fi
kill "$idle"
# It may have started the saver again after the next idle second.
for again in $(pgrep -f "^$user_vorn /s"); do kill "$again"; done

# --window is an ordinary Wayland window with the saver's rules; the
# compositor's close ends it as a key would.
# shellcheck disable=SC2086 # the prefix is meant to split into words
start $drop_root "$user_vorn" --window 2>"$work/vorn.err"
saver=$started
# shellcheck disable=SC2317 # called through eventually
has_window() { swaymsg -t get_tree | grep -q '"app_id": "vorn"'; }
eventually 10 has_window || fail "--window: no window with the app id vorn"
# The window goes to the output that has the focus; the others stay black.
# shellcheck disable=SC2317 # called through eventually
window_shows_scene() {
  shows_scene HEADLESS-1 || shows_scene HEADLESS-2 || shows_scene HEADLESS-3
}
eventually 10 window_shows_scene || fail "--window: no scene on any output"
swaymsg '[app_id="vorn"] kill' >/dev/null
expect_ended "$saver" "closing the window"

# An output at scale 2 shows the picture of an output of the same size at
# scale 1, drawn on all its pixels. One shot of the layout, which grim takes
# at scale 2, holds both at one moment: the scale-1 output enlarged by grim,
# the other as drawn, with about three times its fine detail (a half-size
# buffer enlarged by sway has none). The outputs are drawn one after the
# other, so the pendulums differ a little; a view of a quarter of the size
# differs by 0.1 or more.
swaymsg output HEADLESS-3 mode 1200x960 position 1320 0 scale 2 >/dev/null ||
  fail "cannot set HEADLESS-3 to scale 2"
# shellcheck disable=SC2317 # called through eventually
sharp_same_view() {
  as_user grim - >"$work/layout.png"
  difference=$(view_difference "$work/layout.png" 1200x960+0+0 1200x960+2640+0)
  convert "$work/layout.png" -crop 1200x960+0+0 +repage "$work/scale-1.png"
  convert "$work/layout.png" -crop 1200x960+2640+0 +repage "$work/scale-2.png"
  detail_1=$(fine_detail "$work/scale-1.png") detail_2=$(fine_detail "$work/scale-2.png")
  ! greater "$difference" 0.05 && greater "$detail_2" "$(awk -v d="$detail_1" 'BEGIN { print 1.5 * d }')"
}
start_saver "scale 2"
eventually 10 sharp_same_view ||
  fail "scale 2: view difference $difference from scale 1, fine detail $detail_2 against $detail_1"
key x
expect_ended "$saver" "a key with an output at scale 2"

# The compositor killed under it: vorn ends within a second, quietly. --fps
# draws the rate in each output's bottom-left corner.
start_saver "killed compositor" --fps
eventually 5 shows_rate HEADLESS-2 80x15+6+298 || fail "--fps shows no rate in the corner of HEADLESS-2"
kill -9 "$sway"
if ! ended_within 1 "$saver"; then
  fail "vorn still runs a second after its compositor was killed"
elif [ "$status" -ne 0 ]; then
  fail "vorn ended with code $status when its compositor was killed"
fi
[ "$(wc -l <"$work/vorn.err")" -le 1 ] || fail "vorn said more than one line: $(cat "$work/vorn.err")"

finish
