# shellcheck shell=sh
# Shared by the Wayland test scripts, which source it with two arguments: the
# vorn program and the virtual_input helper. Each script runs its own headless
# sway with no input devices but the helper's. Adds to tests/host/lib.sh:
#   as_user COMMAND...     runs it as the user sway runs as (not root: sway
#                          refuses root, so root's tests run it as nobody)
#   start_sway             the compositor, with one output; its pid in $sway
#   set_output NAME WxH+X+Y  an output's mode and place in the layout
#   shot OUTPUT FILE       a screenshot of one output (grim)
#   key KEYS...            wtype with these arguments
#   start_pointer W H      the helper, for a layout of W by H pixels; then
#   pointer COMMAND        one of its commands, returning once sway has it
#   nudge DX DY            the pointer moved by DX, DY
#   start_session_bus      a private session bus, which kwin and mutter want
#   start_keys COMMAND...  a helper that presses keys read from a FIFO, one
#                          "key CODE" a line (kwin_fake_input, mutter_keys.py); then
#   press CODE             one key by its Linux code, returning once the compositor has it
#   start_fed, tell        what the pointer and key helpers share: commands
#                          through a FIFO, each answered "done"
# shellcheck source=tests/host/lib.sh
. "$(dirname "$0")/../host/lib.sh"

user=$(id -un)
[ -z "$drop_root" ] || user=nobody
# shellcheck disable=SC2034 # used by the scripts that source this
user_vorn=$(reachable "$1")
user_helper=$(reachable "$2")

export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
chown "$user" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK

as_user() {
  $drop_root "$@"
}

# shellcheck disable=SC2317 # called through eventually
sway_listens() {
  socket=$(find "$XDG_RUNTIME_DIR" -name 'wayland-*' -type s | head -n 1)
  ipc=$(find "$XDG_RUNTIME_DIR" -name 'sway-ipc.*' -type s | head -n 1)
  [ -n "$socket" ] && [ -n "$ipc" ] && swaymsg -s "$ipc" -t get_version >/dev/null 2>&1
}

start_sway() {
  printf 'output * bg #000000 solid_color\n' >"$work/sway.conf"
  # shellcheck disable=SC2086 # the prefix is meant to split into words
  start env WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    $drop_root sway -c "$work/sway.conf" 2>"$work/sway.log"
  # shellcheck disable=SC2034 # used by the scripts that source this
  sway=$started
  if ! eventually 10 sway_listens; then
    fail "sway did not start"
    finish
  fi
  WAYLAND_DISPLAY=$(basename "$socket")
  SWAYSOCK=$ipc
  export WAYLAND_DISPLAY SWAYSOCK
}

set_output() {
  size=${2%%+*} place=${2#*+}
  swaymsg output "$1" mode "$size" position "${place%+*}" "${place#*+}" >/dev/null ||
    fail "cannot set output $1 to $2"
}

shot() {
  as_user grim -o "$1" - >"$2"
}

key() {
  as_user wtype "$@"
}

# Starts a helper of the tests' own that reads commands from a FIFO, says
# "ready" once it listens and "done" after each command; the FIFO, named
# after the helper, goes last on its command line.
# Usage: start_fed NAME FD COMMAND...
start_fed() {
  fed=$1 fd=$2
  shift 2
  mkfifo -m 644 "$work/$fed-in"
  # Opened both ways, which does not wait for the other end, and held open
  # on FD, so that the helper reads each command as it comes and never an end.
  eval "exec $fd<>\"\$work/\$fed-in\""
  # shellcheck disable=SC2086 # the prefix is meant to split into words
  start $drop_root "$@" "$work/$fed-in" >"$work/$fed-out"
  eventually 10 grep -q ready "$work/$fed-out" || fail "the helper $fed did not start"
}

# Sends one command to the helper NAME on FD and returns once it is done.
# Usage: tell NAME FD COMMAND
tell() {
  told=$1 fd=$2 command=$3
  done_before=$(grep -c '^done$' "$work/$told-out")
  eval "echo \"\$command\" >&$fd"
  # shellcheck disable=SC2317 # called through eventually
  acknowledged() { [ "$(grep -c '^done$' "$work/$told-out")" -gt "$done_before" ]; }
  eventually 5 acknowledged || fail "the helper $told did not take: $command"
}

start_pointer() {
  start_fed pointer 7 "$user_helper" "$1" "$2"
}

pointer() {
  tell pointer 7 "$*"
}

nudge() {
  pointer move "$1" "$2"
}

start_session_bus() {
  # shellcheck disable=SC2086 # the prefix is meant to split into words
  start $drop_root dbus-daemon --session --nofork --print-address=3 3>"$work/bus-address"
  eventually 5 test -s "$work/bus-address" || fail "the session bus did not start"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus-address")
  export DBUS_SESSION_BUS_ADDRESS
}

start_keys() {
  start_fed keys 8 "$@"
}

press() {
  tell keys 8 "key $1"
}
