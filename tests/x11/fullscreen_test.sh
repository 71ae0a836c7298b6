#!/bin/sh
# Full-screen saving (/s) with real input: what closes it and what does not,
# the day and night toggle, the mouse rules for each value of "Rotate", and
# exit code 0 however it ends; exit code 1, with the screen never covered,
# when another program keeps the keyboard and the pointer.
# Usage: fullscreen_test.sh path/to/vorn path/to/host_window, on a 640x480 display.
set -u
# shellcheck source=tests/x11/lib.sh
. "$(dirname "$0")/lib.sh"

# shellcheck disable=SC2317 # called through eventually
focused() {
  window=$(vorn_window)
  [ -n "$window" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]
}

# Starts vorn /s and waits until its window covers the screen, has the
# keyboard focus and shows the scene. The process id is in $saver.
start_saver() {
  start "$vorn" /s
  saver=$started
  if ! eventually 30 focused; then
    fail "$1: no focused saver window within 30 s"
    return 1
  fi
  [ "$(geometry "$window")" = 640x480+0+0 ] || fail "$1: the window is $(geometry "$window")"
  # Before its first frame the window is as black as the night sky.
  eventually 20 shows_scene root || fail "$1: no scene drawn within 20 s"
}

# The top rows of the whole screen.
sky_area=640x12+0+0

# Drags with the right button from ($1, $2) to ($3, $4), by way of the middle.
right_drag() {
  xdotool mousemove "$1" "$2" mousedown 3
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2))
  xdotool mousemove "$3" "$4"
  xdotool mouseup 3
}

# Waits up to 15 s for the share of sky in the bottom rows to pass $2 (a
# percentage) upwards ("above") or downwards ("below"); the last is in $share.
await_sky_share() {
  # shellcheck disable=SC2317 # called through eventually
  sky_share_is() {
    share=$(sky_share root 640x8+0+472)
    if [ "$1" = above ]; then [ "$share" -ge "$2" ]; else [ "$share" -lt "$2" ]; fi
  }
  eventually 15 sky_share_is "$1" "$2"
}

# Mouse control on: Enter toggles, no movement closes, drags change the view, a key closes.
settings 1 2
xdotool mousemove 320 240
if start_saver "Rotate 1"; then
  await_look root either
  first=$seen
  xdotool key Return
  await_look root "$(other_look "$first")"
  second=$seen
  xdotool key KP_Enter
  await_look root "$first"
  third=$seen
  case "$first/$second/$third" in
    day/night/day | night/day/night) ;;
    *) fail "Enter and keypad Enter do not switch the look: $first, $second, $third" ;;
  esac
  expect_running "$saver" "Enter"

  for point in "5 5" "635 475" "5 470" "630 10" "320 240"; do
    # shellcheck disable=SC2086 # two coordinates
    xdotool mousemove $point
  done
  expect_running "$saver" "moving the mouse with mouse control on"

  # Dragging up and left zooms out, here as far as it goes; down and right
  # by 524 pixels in all zooms back in by 110 units, to the start distance.
  start_share=$(sky_share root 640x8+0+472)
  right_drag 635 475 0 0
  await_sky_share above 90
  out_share=$share
  right_drag 40 40 302 302
  await_sky_share below 60
  back_share=$share
  if [ "$start_share" -ge 60 ] || [ "$out_share" -lt 90 ] || [ "$back_share" -ge 60 ]; then
    fail "right-drags do not zoom: sky in the bottom rows $start_share% at start," \
      "$out_share% zoomed out, $back_share% back at the start distance"
  else
    echo "sky in the bottom rows: $start_share% at start, $out_share% zoomed out, $back_share% back"
  fi
  expect_running "$saver" "dragging"

  xdotool key x
  expect_ended "$saver" "a key"
fi

# A held Enter switches the look once: the keyboard's auto-repeat (on in Xvfb,
# 25 presses a second after 660 ms) must not flash the screen between the looks.
# Released, a new press switches it back.
if start_saver "held Enter"; then
  await_look root either
  first=$seen
  xdotool keydown Return
  held=""
  # Looks spread over a second of auto-repeat: the time is the point.
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    sleep 0.1
    held="$held $(look root)"
  done
  xdotool keyup Return
  xdotool key Return
  await_look root "$first"
  again=$seen
  # A look taken while a busy machine is between frames can come out unclear;
  # a strobing screen shows both looks among the clear ones.
  # shellcheck disable=SC2086 # one look a word
  clear=$(printf '%s\n' $held | grep -v unclear)
  case "$first:$(echo "$clear" | sort -u | tr '\n' ' '):$again" in
    "day:night :day" | "night:day :night")
      [ "$(echo "$clear" | wc -l)" -ge 5 ] || fail "a held Enter: too few clear looks:$held" ;;
    *) fail "a held Enter: $first, then while held$held, then after a new press $again" ;;
  esac
  xdotool key x
  expect_ended "$saver" "a key after a held Enter"
fi

# Mouse control off: the first move only says where the pointer is; a hand
# resting on the mouse within 5 pixels of there keeps the saver, a slow hand
# moving in small steps ends it.
settings 0 2
xdotool mousemove 100 100
if start_saver "Rotate 0"; then
  xdotool mousemove 400 300
  expect_running "$saver" "the first move"
  jitter
  expect_running "$saver" "two seconds of jitter within 5 pixels"
  sweep
  expect_ended "$saver" "a slow sweep in steps of 3 pixels"
fi

settings 1 0
if start_saver "middle click"; then
  xdotool click 1 click 3
  expect_running "$saver" "left and right clicks"
  xdotool click 2
  expect_ended "$saver" "a middle click"
fi

if start_saver "focus"; then
  root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
  xdotool windowfocus "$root"
  expect_ended "$saver" "losing the focus"
fi

if start_saver "SIGTERM"; then
  kill -TERM "$saver"
  expect_ended "$saver" "SIGTERM"
fi

# Starts a helper that holds the keyboard and the pointer; its process id is in $holder.
hold_grabs() {
  rm -f "$work/grabs"
  start "$helper" --hold-grabs >"$work/grabs"
  holder=$started
  eventually 15 test -s "$work/grabs" || fail "the helper took no grabs"
}

# Input held by another program for good: the screen is never covered, and
# vorn gives up within a few seconds with one line and exit code 1.
hold_grabs
start "$vorn" /s 2>"$work/stderr"
saver=$started
covered() {
  [ -n "$(xdotool search --onlyvisible --name '^vorn$' 2>/dev/null)" ]
}
# shellcheck disable=SC2317 # called through eventually
covered_or_ended() {
  covered || ! running "$saver"
}
eventually 30 covered_or_ended
! covered || fail "vorn covered the screen while another program held the keyboard and the pointer"
if ! ended_within 15 "$saver"; then
  fail "vorn did not give up while another program held the keyboard and the pointer"
  kill "$saver"
elif [ "$status" -ne 1 ] || [ "$(wc -l <"$work/stderr")" -ne 1 ] ||
  ! grep -q '^vorn: .*keyboard' "$work/stderr"; then
  fail "giving up on the grabs: exit code $status, said: $(cat "$work/stderr")"
fi
kill "$holder"

# Held only for a moment after the start: vorn waits it out and covers the screen.
hold_grabs
start sh -c "sleep 0.5; kill $holder"
if start_saver "grabs let go after 0.5 s"; then
  xdotool key x
  expect_ended "$saver" "a key after the grabs were let go"
fi

# After the 15 s grace period closing asks for the password, which Linux always accepts.
if start_saver "grace period"; then
  # Waiting out the grace period is the point.
  sleep 15.5
  xdotool key Escape
  expect_ended "$saver" "a key after the grace period"
fi

finish
