# shellcheck shell=sh
# Shared by the Windows tests (sourced by tests/win/run): a private Wine
# prefix, the saver process, the registry, screenshots of the X screen and
# X input, on top of tests/host/lib.sh. Needs $here (tests/win), $build (the
# windows build directory) and $scratch.
# shellcheck source=../host/lib.sh
. "$here/../host/lib.sh"

scr="$build/vorn.scr"
helpers="$build/tests"
own_key='HKCU\Software\zd7\ORVALINDE\vorn'
saver=""

# --- Wine -------------------------------------------------------------------

start_wine() {
  export WINEPREFIX="$build/wine-prefix"
  export WINEDEBUG=-all WINEARCH=win64
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # Wine keeps its sockets under TMPDIR: the same one for every call on the prefix.
  export TMPDIR="$scratch/tmp"
  mkdir -p "$TMPDIR"
  rm -rf "$WINEPREFIX"
  wineboot -i 2>/dev/null
  # Without a window manager, managed windows stall every DestroyWindow.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -p
}

stop_wine() {
  stop_saver
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  rm -rf "$WINEPREFIX"
}

# --- the saver process ------------------------------------------------------

# A path that Windows programs take: a Unix one through the drive Z:. (The
# shell's echo would read the backslashes of a Windows one as escapes.)
windows_path() {
  case $1 in
    /*) printf 'Z:%s\n' "$1" ;;
    *) printf '%s\n' "$1" ;;
  esac
}

# The process is in $saver: a helper that runs it and ends it when ended,
# and prints its exit code to $scratch/saver-exit.
start_saver() {
  start wine "$helpers/exit_code.exe" "$(windows_path "$scr")" "$@" >"$scratch/saver-exit" 2>/dev/null
  saver=$started
}

# The saver's code as Windows gave it, not the wine command's.
exit_code_of() {
  if [ "$1" = "$saver" ]; then tr -d '\r' <"$scratch/saver-exit"; else echo "$status"; fi
}

# Ends a saver that a failed test left behind, so the next test starts clean.
stop_saver() {
  [ -n "$saver" ] && running "$saver" || return 0
  kill "$saver" 2>/dev/null
  wait "$saver" 2>/dev/null
  saver=""
}

# Waits up to 90 s (Wine starts slowly on a busy machine) for a visible window
# with exactly this title; prints its X id. Asked again on every try: one
# search ends at the first error, as when a window goes while it looks.
wait_for_window() {
  eventually 90 shows_window "$1"
  echo "$shown"
}

# shellcheck disable=SC2317 # called through eventually
shows_window() {
  shown=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
  [ -n "$shown" ]
}

# --- the registry -----------------------------------------------------------

set_setting() {
  wine reg add "$own_key" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1
}

clear_settings() {
  wine reg delete "$own_key" /f >/dev/null 2>&1
  return 0
}

# Prints the stored number, or "missing".
setting() {
  value=$(wine reg query "$own_key" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name && $2 == "REG_DWORD" { print $3 }')
  if [ -n "$value" ]; then printf '%d\n' "$value"; else echo missing; fi
}

key_missing() {
  ! wine reg query "$own_key" >/dev/null 2>&1
}

# --- the screen and input ---------------------------------------------------

# The whole X screen, whatever $1 says: Wine's windows are all on it.
shot() {
  xwd -root -silent | convert xwd: "png:$2"
}

# The whole X screen; xdotool's display geometry is only the first monitor's.
screen_width() { xwininfo -root | awk '/Width:/ { print $NF }'; }
screen_height() { xwininfo -root | awk '/Height:/ { print $NF }'; }

# The sky of a full screen: a fifth of its top quarter.
sky_area="$(screen_width)x$(($(screen_height) / 4))+0+0"
sky_share=20

nudge() {
  xdotool mousemove_relative -- "$1" "$2"
}

# --- checks -----------------------------------------------------------------

equals() {
  [ "$1" = "$2" ] || {
    printf "        expected '%s', got '%s'\n" "$2" "$1"
    return 1
  }
}

contains() {
  case "$1" in
    *"$2"*) return 0 ;;
    *) return 1 ;;
  esac
}

group() {
  echo "$1"
}
