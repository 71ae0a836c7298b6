# Full-screen saving on a desk of two monitors: a display of its own, with
# the primary monitor (800x600) right of a smaller one (640x480), and a Wine
# prefix state of its own for it. Sourced by tests/win/run.
#
# Xvfb's +xinerama stacks every screen at the origin, so the two monitors are
# RandR monitors on one wide screen instead; Wine's X11 driver finds them
# through Xinerama (which RandR then answers) once told not to use XRandR,
# which knows only the one output.

wide_server=""

start_wide_display() {
  main_display=$DISPLAY main_prefix=$WINEPREFIX
  start_display 1440x600x24 -noreset +extension GLX || return 1
  wide_server=$server
  export DISPLAY="$display"
  xrandr --setmonitor left 640/169x480/127+0+0 none >/dev/null &&
    xrandr --setmonitor '*primary' 800/212x600/159+640+0 screen >/dev/null || return 1
  # The desktop's colour, which no part of the saver's picture has.
  xsetroot -solid '#FF00FF'
  # The registry as it is, in a prefix that shares only drive_c.
  wineserver -k
  wineserver -w
  export WINEPREFIX="$scratch/wide-prefix"
  mkdir -p "$WINEPREFIX/dosdevices"
  cp "$main_prefix"/*.reg "$WINEPREFIX/"
  ln -s "$main_prefix/drive_c" "$WINEPREFIX/dosdevices/c:"
  ln -s / "$WINEPREFIX/dosdevices/z:"
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1
  # The driver reads it when Wine starts: start again.
  wineserver -k
  wineserver -w
}

# Safe to call at any time; the main display and prefix are current again after it.
stop_wide_display() {
  [ -n "$wide_server" ] || return 0
  stop_saver
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  kill "$wide_server" 2>/dev/null
  wait "$wide_server" 2>/dev/null
  wide_server=""
  export DISPLAY="$main_display" WINEPREFIX="$main_prefix"
  wineserver -p
}

# On a new screenshot no pixel of the region $1 shows the desktop, and the
# scene is drawn there (many colours).
# shellcheck disable=SC2317 # called through eventually
scene_covers() {
  shot root "$scratch/two-monitors.png"
  [ "$(share_of "$scratch/two-monitors.png" "#FF00FF" "$1")" = 0 ] &&
    test "$(colours "$scratch/two-monitors.png" "$1")" -gt 50
}

test_full_screen_covers_every_monitor() {
  group "/s on two monitors: one window over the whole virtual screen"
  if ! start_wide_display; then
    check "a display with two monitors starts" false
    stop_wide_display
    return
  fi
  set_setting Rotate 1
  set_setting Detail 2
  check "Wine sees two monitors, the left one at a negative x" equals \
    "$(wine "$helpers/monitor_probe.exe" 2>/dev/null | tr -d '\r')" "2 -640 0 1440 600"
  start_full_screen
  check "a window named SaverWindow shows" test -n "$window"
  check "it covers both monitors" eventually 30 covers_screen
  check "the scene fills the left monitor" eventually 30 scene_covers 640x480+0+0
  check "and the primary one" eventually 30 scene_covers 800x600+640+0
  xdotool key x
  expect_ended "$saver" "a key" 30
  stop_wide_display
}
