# Full-screen saving (/s): the picture, the Enter key, the keys and mouse
# moves that close it and those that do not, and the detail level the stored
# settings ask for. Sourced by tests/win/run.

# Starts /s with the pointer at the screen's centre; sets window to its X id.
StartFullScreen() {
  xdotool mousemove "$(($(ScreenWidth) / 2))" "$(($(ScreenHeight) / 2))"
  StartSaver /s
  window=$(WaitForWindow SaverWindow)
  # Textures and the first frames take a while under a software renderer.
  SceneScreenshot "$scratch/start.png"
}

# The saver's window covers the screen from its top-left corner.
CoversScreen() {
  # Without an id, xwininfo would wait for a click on some window.
  [ -n "$1" ] || return 1
  geometry=$(xwininfo -id "$1" 2>/dev/null | awk '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')
  Equals "$geometry" "0 0 $(ScreenWidth) $(ScreenHeight)"
}

# The look of a picture, "day" or "night", from the sky in its top quarter;
# "unclear" when neither sky colour covers a fifth of it.
Look() {
  region="$(ScreenWidth)x$(($(ScreenHeight) / 4))+0+0"
  if greater "$(share_of "$1" "#$daySky" "$region")" 0.2; then
    echo day
  elif greater "$(share_of "$1" "#$nightSky" "$region")" 0.2; then
    echo night
  else
    echo unclear
  fi
}

# Takes screenshots into $2 until the sky shows the look $1, for up to 20 s,
# and prints the last look seen: a loaded machine can take longer than any
# fixed pause to show the change.
AwaitLook() {
  eventually 20 ShowsLook "$1" "$2"
  echo "$seen"
}

# shellcheck disable=SC2317 # called through eventually
ShowsLook() {
  Screenshot "$2"
  seen=$(Look "$2")
  [ "$seen" = "$1" ]
}

# Takes screenshots into $1 until the sky shows either look, for up to 30 s,
# and prints it: on a busy machine the first frames may not show it yet.
AwaitEitherLook() {
  eventually 30 ShowsEitherLook "$1"
  echo "$seen"
}

# shellcheck disable=SC2317 # called through eventually
ShowsEitherLook() {
  Screenshot "$1"
  seen=$(Look "$1")
  [ "$seen" != unclear ]
}

# Takes a screenshot by day, pressing Enter first if it is night.
DayScreenshot() {
  Screenshot "$1"
  [ "$(Look "$1")" = day ] && return
  xdotool key Return
  AwaitLook day "$1" >/dev/null
}

# Arguments: a day picture, then "floor" or "no floor". Only a day picture
# tells: at night the unlit floor is as black as the sky.
FloorIs() {
  [ "$(Look "$1")" = day ] || {
    echo "        not a day picture"
    return 1
  }
  width=$(ScreenWidth)
  half=$(($(ScreenHeight) / 2))
  share=$(share_of "$1" "#$daySky" "${width}x$half+0+$half")
  echo "        lower half: $share of it day sky"
  if [ "$2" = floor ]; then
    greater 0.5 "$share"
  else
    greater "$share" 0.5
  fi
}

TestFullScreenWithoutSettings() {
  Group "/s without stored settings: full screen, High detail, Enter, Alt+F4, a key"
  ClearSettings
  StartFullScreen
  Check "a window named SaverWindow shows" test -n "$window"
  Check "it covers the whole screen" CoversScreen "$window"
  look=$(AwaitEitherLook "$scratch/fullscreen.png")
  Check "the sky shows the day or the night look ($look)" Contains "day night" "$look"
  Check "the scene is drawn (many colours)" test \
    "$(colours "$scratch/fullscreen.png" "$(ScreenWidth)x$(ScreenHeight)+0+0")" -gt 200

  other=day
  [ "$look" = day ] && other=night
  xdotool key Return
  toggled=$(AwaitLook "$other" "$scratch/toggled.png")
  Check "Enter switches the sky ($look, then $toggled)" Contains "day night, night day" \
    "$look $toggled"
  Check "Enter does not close the saver" SaverRunning
  day="$scratch/fullscreen.png"
  [ "$look" = day ] || day="$scratch/toggled.png"
  Check "the floor shows, as at High detail" FloorIs "$day" floor

  xdotool key alt+F4
  WaitForSaver 2
  Check "Alt+F4 is ignored" Equals "$saverExit" running

  xdotool key x
  WaitForSaver 30
  Check "another key closes it with exit code 0" Equals "$saverExit" 0
}

TestMouseMovesCloseWithoutMouseControl() {
  Group "/s with Rotate = 0: a 5-pixel move stays, a 6-pixel move closes"
  SetSetting Rotate 0
  SetSetting Detail 1
  StartFullScreen
  # Whatever moves came before, after this one the next is not the first.
  xdotool mousemove_relative 1 0
  # Wine merges moves that wait in the queue together: a pause keeps them two.
  sleep 0.5
  xdotool mousemove_relative 5 0
  WaitForSaver 1
  Check "a 5-pixel move does not close" Equals "$saverExit" running
  xdotool mousemove_relative -- 0 -5
  WaitForSaver 1
  Check "nor does a 5-pixel move up" Equals "$saverExit" running
  xdotool mousemove_relative 6 0
  WaitForSaver 30
  Check "a 6-pixel move closes with exit code 0" Equals "$saverExit" 0
}

TestMouseSteersWithMouseControl() {
  Group "/s with Rotate = 1: no movement closes; the middle button does"
  SetSetting Rotate 1
  SetSetting Detail 2
  StartFullScreen
  for step in 1 2 3; do
    xdotool mousemove_relative 40 30
    WaitForSaver 1
    Check "a 50-pixel move ($step) does not close" Equals "$saverExit" running
  done
  xdotool mousedown 1 mousemove_relative 80 0 mousemove_relative 0 40 mouseup 1
  xdotool mousedown 3 mousemove_relative 0 60 mouseup 3
  WaitForSaver 1
  Check "left and right drags do not close" Equals "$saverExit" running
  xdotool click 2
  WaitForSaver 30
  Check "a middle click closes with exit code 0" Equals "$saverExit" 0
}

TestLowDetailHasNoFloor() {
  Group "/s with Detail = 0: no floor"
  SetSetting Rotate 1
  SetSetting Detail 0
  StartFullScreen
  DayScreenshot "$scratch/low.png"
  Check "the lower half is sky, not floor" FloorIs "$scratch/low.png" "no floor"
  xdotool key x
  WaitForSaver 30
  Check "a key closes it with exit code 0" Equals "$saverExit" 0
}

# Takes a screenshot into $1 that shows the scene, trying for up to 30 s: the
# first frames, and now and then a moment between frames, leave the window blank.
SceneScreenshot() {
  eventually 30 SceneShown "$1"
}

# shellcheck disable=SC2317 # called through eventually
SceneShown() {
  Screenshot "$1" && [ "$(colours "$1" "$(ScreenWidth)x$(ScreenHeight)+0+0")" -gt 200 ]
}

TestHeldEnterTogglesOnce() {
  Group "/s with Enter held down: the look switches once, a new press switches it back"
  SetSetting Rotate 1
  SetSetting Detail 2
  StartFullScreen
  first=$(AwaitEitherLook "$scratch/before-hold.png")
  other=day
  [ "$first" = day ] && other=night
  # The keyboard repeats a held key 25 times a second after 660 ms; pictures
  # are taken over about two seconds once the first press has shown.
  xdotool keydown Return
  held=$(AwaitLook "$other" "$scratch/held.png")
  for _ in 1 2 3 4 5; do
    SceneScreenshot "$scratch/held.png"
    held="$held $(Look "$scratch/held.png")"
  done
  xdotool keyup Return
  Check "while held, the look stays switched ($first, then $held)" Equals "$held" \
    "$other $other $other $other $other $other"
  xdotool key Return
  Check "a new press switches it back" Equals "$(AwaitLook "$first" "$scratch/again.png")" "$first"
  xdotool key x
  WaitForSaver 30
  Check "a key closes it with exit code 0" Equals "$saverExit" 0
}
