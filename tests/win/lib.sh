# Shared by the Windows tests (sourced by tests/win/run): a private Wine
# prefix, the saver process, the registry, screenshots of the X screen, and
# named checks, on top of tests/host/lib.sh. Needs $here (tests/win), $build
# (the windows build directory) and $scratch.
# shellcheck source=../host/lib.sh
. "$here/../host/lib.sh"

scr="$build/vorn.scr"
helpers="$build/tests"
ownKey='HKCU\Software\zd7\ORVALINDE\vorn'
daySky=ECECEC
nightSky=000000
saverPid=""
passed=0

# --- Wine -------------------------------------------------------------------

StartWine() {
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

StopWine() {
  StopSaver
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  rm -rf "$WINEPREFIX"
}

# --- the saver process ------------------------------------------------------

StartSaver() {
  start wine "$scr" "$@" >/dev/null 2>&1
  saverPid=$started
}

SaverRunning() {
  [ -n "$saverPid" ] && running "$saverPid"
}

# Waits up to $1 seconds for the saver to end; sets saverExit to its exit
# code, or to "running". Not in a subshell: only this shell can wait for it.
WaitForSaver() {
  if [ -z "$saverPid" ]; then
    saverExit="not started"
  elif ended_within "$1" "$saverPid"; then
    saverExit=$status
    saverPid=""
  else
    saverExit=running
  fi
}

# Ends a saver that a failed test left behind, so the next test starts clean.
StopSaver() {
  SaverRunning || return 0
  kill "$saverPid" 2>/dev/null
  wait "$saverPid" 2>/dev/null
  saverPid=""
}

# Waits up to 90 s (Wine starts slowly on a busy machine) for a visible window
# with exactly this title; prints its X id.
WaitForWindow() {
  timeout 90 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# --- the registry -----------------------------------------------------------

SetSetting() {
  wine reg add "$ownKey" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1
}

ClearSettings() {
  wine reg delete "$ownKey" /f >/dev/null 2>&1
  return 0
}

# Prints the stored number, or "missing".
Setting() {
  value=$(wine reg query "$ownKey" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name && $2 == "REG_DWORD" { print $3 }')
  if [ -n "$value" ]; then printf '%d\n' "$value"; else echo missing; fi
}

KeyMissing() {
  ! wine reg query "$ownKey" >/dev/null 2>&1
}

# --- the screen -------------------------------------------------------------

Screenshot() {
  xwd -root -silent | convert xwd: "png:$1"
}

# The whole X screen; xdotool's display geometry is only the first monitor's.
ScreenWidth() { xwininfo -root | awk '/Width:/ { print $NF }'; }
ScreenHeight() { xwininfo -root | awk '/Height:/ { print $NF }'; }

# --- checks -----------------------------------------------------------------

# Check DESCRIPTION COMMAND...: one check, passed when the command succeeds.
Check() {
  description=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "  ok    $description"
  else
    fail "$description"
  fi
}

Equals() {
  [ "$1" = "$2" ] || {
    printf "        expected '%s', got '%s'\n" "$2" "$1"
    return 1
  }
}

Contains() {
  case "$1" in
    *"$2"*) return 0 ;;
    *) return 1 ;;
  esac
}

Group() {
  echo "$1"
}
