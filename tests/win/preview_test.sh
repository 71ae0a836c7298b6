# The preview (/p): the saver draws into a child of the host's window and
# ends with it. preview_host plays the host. Sourced by tests/win/run.

# Wine draws the OpenGL output of a window whose parent belongs to another
# process into an X window of its own under a hidden parent, so none of it
# reaches the host on screen. To look at the frames, the test moves that X
# window (the only one of the preview's size at 0,0 of its parent) to the
# screen; prints its X id.
show_preview_drawable() {
  drawable=$(xwininfo -root -tree | awk '/ 152x112\+0\+0 / { print $1; exit }')
  [ -n "$drawable" ] || return 0
  root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
  xdotool windowreparent "$drawable" "$root" windowmove "$drawable" 600 600 windowmap "$drawable"
  echo "$drawable"
}

# Waits up to 30 s for a line starting with $1 in the host's output.
host_says() {
  eventually 30 grep -q "^$1" "$scratch/host.out"
  grep "^$1" "$scratch/host.out" | tr -d '\r'
}

# shellcheck disable=SC2317 # called through eventually
preview_shown() {
  drawable=$(show_preview_drawable)
  [ -n "$drawable" ]
}

# shellcheck disable=SC2317 # called through eventually
preview_drawn() {
  shot root "$scratch/preview.png"
  test "$(colours "$scratch/preview.png" 152x112+600+600)" -gt 10
}

test_preview_fills_host_and_ends_with_it() {
  group "/p with a 152x112 host: a child of that size that draws and ends with the host"
  set_setting Rotate 1
  set_setting Detail 2
  rm -f "$scratch/host.in" "$scratch/host.out"
  mkfifo "$scratch/host.in"
  wine "$helpers/preview_host.exe" "$scr" <"$scratch/host.in" >"$scratch/host.out" 2>/dev/null &
  host_pid=$!
  # Held open until the host is to close: its end is the host's signal.
  exec 3>"$scratch/host.in"
  check "the child fills the host exactly" equals "$(host_says 'child\|no child')" "child 0 0 152 112"
  check "the saver's drawing surface is 152x112" eventually 30 preview_shown
  check "the preview frames show the scene" eventually 30 preview_drawn
  exec 3>&-
  check "destroying the host ends the saver with exit code 0" equals \
    "$(host_says 'saver')" "saver exit 0"
  wait "$host_pid"
}
