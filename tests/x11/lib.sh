# shellcheck shell=sh
# Shared by the X11 test scripts, which source it with two arguments: the vorn
# program and the host_window helper. Each script runs on a private Xvfb.
# Gives: failure counting, background programs that are always cleaned up,
# waiting with deadlines, settings files and what screenshots show.

# shellcheck disable=SC2034 # used by the scripts that source this
vorn=$1 helper=$2
work=$(mktemp -d)
failures=0
started_pids=""
# A command prefix that drops root's rights, for what root may not do or would
# do too easily: root runs it as nobody, any other user has none to drop.
drop_root=""
[ "$(id -u)" -ne 0 ] || drop_root="setpriv --reuid=nobody --regid=nogroup --clear-groups"

# Sets $user_vorn to vorn where the user of $drop_root can run it: a build
# under /root (mode 700) is out of nobody's reach.
reachable_vorn() {
  user_vorn=$vorn
  [ -n "$drop_root" ] || return 0
  user_vorn="$work/vorn"
  cp "$vorn" "$user_vorn"
  chmod 755 "$work"
}

cleanup() {
  for pid in $started_pids; do
    kill "$pid" 2>/dev/null
  done
  for pid in $started_pids; do
    wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Ends the script with the number of failures as its exit code.
finish() {
  [ "$failures" -eq 0 ] && echo "$(basename "$0"): all checks passed"
  exit "$failures"
}

# Starts a command in the background, to be killed at the end if still there;
# its process id is in $started.
start() {
  "$@" &
  started=$!
  started_pids="$started_pids $started"
}

# True while the process runs; a finished child that is not yet reaped is not running.
running() {
  [ -r "/proc/$1/stat" ] && [ "$(sed 's/.*) //' "/proc/$1/stat" | cut -c1)" != Z ]
}

# Waits up to $1 seconds for the child $2 to end. True if it ended; its exit code is then in $status.
ended_within() {
  tenths=$(($1 * 10))
  while running "$2"; do
    [ "$tenths" -le 0 ] && return 1
    sleep 0.1
    tenths=$((tenths - 1))
  done
  wait "$2"
  # shellcheck disable=SC2034 # read by the caller
  status=$?
  return 0
}

# Waits up to $1 seconds for the command after it to succeed.
eventually() {
  tenths=$(($1 * 10))
  shift
  until "$@"; do
    [ "$tenths" -le 0 ] && return 1
    sleep 0.1
    tenths=$((tenths - 1))
  done
}

# Writes the settings file that $XDG_CONFIG_HOME points to: Rotate $1, Detail $2.
export XDG_CONFIG_HOME="$work/config"
settings() {
  mkdir -p "$XDG_CONFIG_HOME/vorn"
  printf '[vorn]\nRotate=%s\nDetail=%s\n' "$1" "$2" >"$XDG_CONFIG_HOME/vorn/vorn.conf"
}

# The id (decimal) of the first window named "vorn", empty if there is none.
vorn_window() {
  xdotool search --name '^vorn$' 2>/dev/null | head -n 1
}

# Screenshot of window $1 ("root" for the whole screen) into the PNG $2.
shot() {
  import -window "$1" "$2"
}

# Number of different colours in picture $1.
colours() {
  convert "$1" -format '%k' info:
}

# True when window $1 shows the scene drawn and moving: a window nobody draws
# in has one colour, and the least of the scene (sky and fogged floor) has
# dozens; two pictures half a second apart differ.
shows_scene() {
  shot "$1" "$work/scene-1.png"
  sleep 0.5
  shot "$1" "$work/scene-2.png"
  [ "$(colours "$work/scene-1.png")" -ge 10 ] &&
    ! compare -metric AE "$work/scene-1.png" "$work/scene-2.png" null: 2>/dev/null
}

# Percentage of the area $3 (WxH+X+Y) of picture $1 within 3% of the colour $2.
percent_of() {
  convert "$1" -crop "$3" +repage -fuzz 3% -fill magenta -opaque "$2" -fill black \
    +opaque magenta -fill white -opaque magenta -colorspace Gray \
    -format '%[fx:int(100*mean+0.5)]' info:
}

# Size and position of window $1 as "WxH+X+Y", relative to its parent.
geometry() {
  xwininfo -id "$1" | awk '
    /Relative upper-left X:/ { x = $NF } /Relative upper-left Y:/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF }
    END { printf "%sx%s+%s+%s", w, h, x, y }'
}

# The ids (decimal) of the children of window $1.
children() {
  for child in $(xwininfo -children -id "$1" | awk '/^ +0x/ { print $1 }'); do
    printf '%d\n' "$child"
  done
}

# Starts a host window of $1 by $2 pixels ($3 may be --no-depth); its id is
# in $host and the helper's process in $keeper.
start_host() {
  rm -f "$work/host-id"
  start "$helper" "$@" >"$work/host-id"
  keeper=$started
  eventually 5 test -s "$work/host-id" || fail "the helper made no window"
  host=$(cat "$work/host-id")
}

# shellcheck disable=SC2317 # called through eventually
has_child() {
  child=$(children "$host" | head -n 1)
  [ -n "$child" ]
}
