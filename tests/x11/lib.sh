# shellcheck shell=sh
# Shared by the X11 test scripts, which source it with two arguments: the vorn
# program and the host_window helper. Each script runs on a private Xvfb.
# Adds to tests/host/lib.sh: settings files, windows, X screenshots, and the
# host_window helper's windows.
# shellcheck source=tests/host/lib.sh
. "$(dirname "$0")/../host/lib.sh"

# shellcheck disable=SC2034 # used by the scripts that source this
vorn=$1 helper=$2
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

# Starts an Xvfb of the size $1 (WxHxDEPTH) with the extra arguments after
# it, on a free display number: its process is in $server, its name in $display.
# shellcheck disable=SC2034 # read by the caller
start_display() {
  rm -f "$work/displayfd"
  mkfifo "$work/displayfd"
  size=$1
  shift
  # Opening the pipe waits for its reader: only a background job may open it.
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp "$@" 3>"$work/displayfd" 2>/dev/null &
  server=$!
  started_pids="$started_pids $server"
  read -r number <"$work/displayfd"
  display=":$number"
}

# shellcheck disable=SC2317 # called through eventually
has_child() {
  child=$(children "$host" | head -n 1)
  [ -n "$child" ]
}
