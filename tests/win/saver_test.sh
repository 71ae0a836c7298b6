# Full-screen saving (/s): the picture, the Enter key, the keys and mouse
# moves that close it and those that do not, and the detail level the stored
# settings ask for. Sourced by tests/win/run.

# Starts /s with the pointer at the screen's centre; sets window to its X id.
start_full_screen() {
  xdotool mousemove "$(($(screen_width) / 2))" "$(($(screen_height) / 2))"
  start_saver /s
  window=$(wait_for_window SaverWindow)
  # Textures and the first frames take a while under a software renderer.
  scene_screenshot "$scratch/start.png"
}

# The saver's window covers the screen from its top-left corner. Looked up
# again on every try: a loaded machine may show it before it has its size.
# shellcheck disable=SC2317 # called through eventually
covers_screen() {
  window=$(xdotool search --onlyvisible --name '^SaverWindow$' 2>/dev/null | head -n 1)
  # Without an id, xwininfo would wait for a click on some window.
  [ -n "$window" ] || return 1
  geometry=$(xwininfo -id "$window" 2>/dev/null | awk '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')
  [ "$geometry" = "0 0 $(screen_width) $(screen_height)" ]
}

# Takes a screenshot by day into $1, pressing Enter first if it is night.
day_screenshot() {
  [ "$(look root)" = day ] || {
    xdotool key Return
    await_look root day 20
  }
  cp "$work/look.png" "$1"
}

# Arguments: a day picture, then "floor" or "no floor". Only a day picture
# tells: at night the unlit floor is as black as the sky.
floor_is() {
  [ "$(look_of "$1")" = day ] || {
    echo "        not a day picture"
    return 1
  }
  width=$(screen_width)
  half=$(($(screen_height) / 2))
  share=$(share_of "$1" "$day_sky" "${width}x$half+0+$half")
  echo "        lower half: $share of it day sky"
  if [ "$2" = floor ]; then
    greater 0.5 "$share"
  else
    greater "$share" 0.5
  fi
}

test_full_screen_without_settings() {
  group "/s without stored settings: full screen, High detail, Enter, Alt+F4, a key"
  clear_settings
  start_full_screen
  check "a window named SaverWindow shows" test -n "$window"
  check "it covers the whole screen" eventually 30 covers_screen
  await_look root either 30
  look=$seen
  cp "$work/look.png" "$scratch/fullscreen.png"
  check "the sky shows the day or the night look ($look)" contains "day night" "$look"
  check "the scene is drawn (many colours)" test \
    "$(colours "$scratch/fullscreen.png" "$(screen_width)x$(screen_height)+0+0")" -gt 200

  xdotool key Return
  await_look root "$(other_look "$look")" 20
  toggled=$seen
  check "Enter switches the sky ($look, then $toggled)" contains "day night, night day" \
    "$look $toggled"
  expect_running "$saver" Enter
  day="$scratch/fullscreen.png"
  [ "$look" = day ] || day="$work/look.png"
  check "the floor shows, as at High detail" floor_is "$day" floor

  xdotool key alt+F4
  expect_running "$saver" Alt+F4 2

  xdotool key x
  expect_ended "$saver" "another key" 30
}

test_mouse_moves_close_without_mouse_control() {
  group "/s with Rotate = 0: a jitter within 5 pixels stays, a slow sweep in small steps closes"
  set_setting Rotate 0
  set_setting Detail 1
  start_full_screen
  jitter
  expect_running "$saver" "two seconds of jitter within 5 pixels"
  # Wine, as Windows, merges the moves that wait in the queue into one.
  sweep 0.3
  expect_ended "$saver" "a slow sweep in steps of 3 pixels" 30
}

test_mouse_steers_with_mouse_control() {
  group "/s with Rotate = 1: no movement closes; the middle button does"
  set_setting Rotate 1
  set_setting Detail 2
  start_full_screen
  for step in 1 2 3; do
    xdotool mousemove_relative 40 30
    expect_running "$saver" "a 50-pixel move ($step)"
  done
  xdotool mousedown 1 mousemove_relative 80 0 mousemove_relative 0 40 mouseup 1
  xdotool mousedown 3 mousemove_relative 0 60 mouseup 3
  expect_running "$saver" "left and right drags"
  xdotool click 2
  expect_ended "$saver" "a middle click" 30
}

test_low_detail_has_no_floor() {
  group "/s with Detail = 0: no floor"
  set_setting Rotate 1
  set_setting Detail 0
  start_full_screen
  day_screenshot "$scratch/low.png"
  check "the lower half is sky, not floor" floor_is "$scratch/low.png" "no floor"
  xdotool key x
  expect_ended "$saver" "a key" 30
}

# Takes a screenshot into $1 that shows the scene, trying for up to 30 s: the
# first frames, and now and then a moment between frames, leave the window blank.
scene_screenshot() {
  eventually 30 scene_shown "$1"
}

# shellcheck disable=SC2317 # called through eventually
scene_shown() {
  shot root "$1" && [ "$(colours "$1" "$(screen_width)x$(screen_height)+0+0")" -gt 200 ]
}

test_held_enter_toggles_once() {
  group "/s with Enter held down: the look switches once, a new press switches it back"
  set_setting Rotate 1
  set_setting Detail 2
  start_full_screen
  await_look root either 30
  first=$seen
  other=$(other_look "$first")
  # The keyboard repeats a held key 25 times a second after 660 ms; pictures
  # are taken over about two seconds once the first press has shown.
  xdotool keydown Return
  await_look root "$other" 20
  held=$seen
  for _ in 1 2 3 4 5; do
    scene_screenshot "$scratch/held.png"
    held="$held $(look_of "$scratch/held.png")"
  done
  xdotool keyup Return
  check "while held, the look stays switched ($first, then $held)" equals "$held" \
    "$other $other $other $other $other $other"
  xdotool key Return
  await_look root "$first" 20
  check "a new press switches it back" equals "$seen" "$first"
  xdotool key x
  expect_ended "$saver" "a key" 30
}
