# shellcheck shell=sh
# Shared by the X11 test scripts, which source it with two arguments: the vorn
# program and the host_window helper. Each script runs on a private Xvfb.
# Adds to tests/host/lib.sh: windows, X screenshots and input, and the
# host_window helper's windows.
# shellcheck source=tests/host/lib.sh
. "$(dirname "$0")/../host/lib.sh"

# shellcheck disable=SC2034 # used by the scripts that source this
vorn=$1 helper=$2
export XDG_CONFIG_HOME="$work/config"

# The id (decimal) of the first window named "vorn", empty if there is none.
vorn_window() {
  xdotool search --name '^vorn$' 2>/dev/null | head -n 1
}

# True when vorn's window shows; its id is then in $window.
# shellcheck disable=SC2317 # called through eventually
has_window() {
  window=$(vorn_window)
  [ -n "$window" ] && xwininfo -id "$window" | grep -q IsViewable
}

# Screenshot of window $1 ("root" for the whole screen) into the PNG $2.
shot() {
  # Without a window, import would wait for a click on one.
  [ -n "$1" ] && import -window "$1" "$2"
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
# shellcheck disable=SC2034 # read by the caller
start_host() {
  rm -f "$work/host-id"
  start "$helper" "$@" >"$work/host-id"
  keeper=$started
  eventually 15 test -s "$work/host-id" || fail "the helper made no window"
  host=$(cat "$work/host-id")
}

nudge() {
  xdotool mousemove_relative -- "$1" "$2"
}

# shellcheck disable=SC2317 # called through eventually
has_child() {
  child=$(children "$host" | head -n 1)
  [ -n "$child" ]
}
