#!/bin/sh
# A window nobody can see is not drawn: vorn uses no processor time while its
# window, or the host's window it draws on or in, is unmapped or fully covered,
# keeps running, and draws again as soon as the window shows.
# Usage: hidden_test.sh path/to/vorn path/to/host_window, on a 640x480 display.
set -u
# shellcheck source=tests/x11/lib.sh
. "$(dirname "$0")/lib.sh"

# Starts vorn in the mode $1 (its options are the words after it), on or in
# a host window made with the options $2 where the mode needs one. The
# process is in $drawing, the window that shows its frames in $target and
# the one to hide in $hidden.
start_mode() {
  case $1 in
    --window | "--window "*)
      # shellcheck disable=SC2086 # the mode and its options
      start "$vorn" $1
      drawing=$started
      eventually 30 has_window || fail "$1: no window"
      # Larger than the screen: what shows of it is on the root window's picture.
      target=root hidden=$window
      return
      ;;
  esac
  # shellcheck disable=SC2086 # no options, or one
  start_host 320 240 $2
  target=$host hidden=$host
  case $1 in
    --root) start env XSCREENSAVER_WINDOW="$host" "$vorn" --root ;;
    *) start "$vorn" "$1" "$host" ;;
  esac
  drawing=$started
}

# Hides or shows the window $2 the way $1 says: "unmap" and map it again, or
# "cover" all of it with a window of our own and take that away.
hide() {
  case $1 in
    unmap) xdotool windowunmap "$2" ;;
    cover)
      start_host 1280 720
      cover=$keeper
      ;;
  esac
}
show() {
  case $1 in
    unmap) xdotool windowmap "$2" ;;
    cover) kill "$cover" ;;
  esac
}

# Each case: the mode, what hides its window, and the host window's options.
settings 1 1
while IFS='|' read -r mode way options <&3; do
  start_mode "$mode" "$options"
  eventually 20 shows_scene "$target" || fail "$mode $options: nothing drawn before hiding"
  hide "$way" "$hidden"
  eventually 15 idle "$drawing" || fail "$mode $options: drawing on after '$way' hid the window"
  running "$drawing" || fail "$mode $options: ended when '$way' hid the window"
  show "$way" "$hidden"
  eventually 20 shows_scene "$target" ||
    fail "$mode $options: no frames once the window showed again"
  kill "$drawing"
  [ "$target" = root ] || kill "$keeper"
done 3<<CASES
--window --delay 20000|unmap|
--window|cover|
--window-id|unmap|
--window-id|unmap|--no-depth
/p|unmap|
--root|unmap|
CASES

finish
