# Full-screen saving on a desk of two monitors: a display of its own, with
# the primary monitor (800x600) right of a smaller one (640x480), and a Wine
# prefix state of its own for it. Sourced by tests/win/run.
#
# Xvfb's +xinerama stacks every screen at the origin, so the two monitors are
# RandR monitors on one wide screen instead; Wine's X11 driver finds them
# through Xinerama (which RandR then answers) once told not to use XRandR,
# which knows only the one output.

wideServer=""

StartWideDisplay() {
  mainDisplay=$DISPLAY mainPrefix=$WINEPREFIX
  rm -f "$scratch/wide-display"
  mkfifo "$scratch/wide-display"
  Xvfb -displayfd 3 -screen 0 1440x600x24 -nolisten tcp -noreset +extension GLX \
    3>"$scratch/wide-display" 2>/dev/null &
  wideServer=$!
  read -r number <"$scratch/wide-display" || return 1
  export DISPLAY=":$number"
  xrandr --setmonitor left 640/169x480/127+0+0 none >/dev/null &&
    xrandr --setmonitor '*primary' 800/212x600/159+640+0 screen >/dev/null || return 1
  # The desktop's colour, which no part of the saver's picture has.
  xsetroot -solid '#FF00FF'
  # The registry as it is, in a prefix that shares only drive_c.
  wineserver -k
  wineserver -w
  export WINEPREFIX="$scratch/wide-prefix"
  mkdir -p "$WINEPREFIX/dosdevices"
  cp "$mainPrefix"/*.reg "$WINEPREFIX/"
  ln -s "$mainPrefix/drive_c" "$WINEPREFIX/dosdevices/c:"
  ln -s / "$WINEPREFIX/dosdevices/z:"
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1
  # The driver reads it when Wine starts: start again.
  wineserver -k
  wineserver -w
}

# Safe to call at any time; the main display and prefix are current again after it.
StopWideDisplay() {
  [ -n "$wideServer" ] || return 0
  StopSaver
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  kill "$wideServer" 2>/dev/null
  wait "$wideServer" 2>/dev/null
  wideServer=""
  export DISPLAY="$mainDisplay" WINEPREFIX="$mainPrefix"
  wineserver -p
}

# On a new screenshot no pixel of the region $1 shows the desktop, and the
# scene is drawn there (many colours).
# shellcheck disable=SC2317 # called through eventually
SceneCovers() {
  Screenshot "$scratch/two-monitors.png"
  [ "$(share_of "$scratch/two-monitors.png" "#FF00FF" "$1")" = 0 ] &&
    test "$(colours "$scratch/two-monitors.png" "$1")" -gt 50
}

TestFullScreenCoversEveryMonitor() {
  Group "/s on two monitors: one window over the whole virtual screen"
  if ! StartWideDisplay; then
    Check "a display with two monitors starts" false
    StopWideDisplay
    return
  fi
  SetSetting Rotate 1
  SetSetting Detail 2
  Check "Wine sees two monitors, the left one at a negative x" Equals \
    "$(wine "$helpers/monitor_probe.exe" 2>/dev/null | tr -d '\r')" "2 -640 0 1440 600"
  StartFullScreen
  Check "a window named SaverWindow shows" test -n "$window"
  Check "it covers both monitors" CoversScreen "$window"
  Check "the scene fills the left monitor" eventually 30 SceneCovers 640x480+0+0
  Check "and the primary one" eventually 30 SceneCovers 800x600+640+0
  xdotool key x
  WaitForSaver 30
  Check "a key closes it with exit code 0" Equals "$saverExit" 0
  StopWideDisplay
}
