# The preview (/p): the saver draws into a child of the host's window and
# ends with it. preview_host plays the host. Sourced by tests/win/run.

# Wine draws the OpenGL output of a window whose parent belongs to another
# process into an X window of its own under a hidden parent, so none of it
# reaches the host on screen. To look at the frames, the test moves that X
# window (the only one of the preview's size at 0,0 of its parent) to the
# screen; prints its X id.
ShowPreviewDrawable() {
  drawable=$(xwininfo -root -tree | awk '/ 152x112\+0\+0 / { print $1; exit }')
  [ -n "$drawable" ] || return 0
  root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
  xdotool windowreparent "$drawable" "$root" windowmove "$drawable" 600 600 windowmap "$drawable"
  echo "$drawable"
}

# Waits up to 30 s for a line starting with $1 in the host's output.
HostSays() {
  tenths=300
  while ! grep -q "^$1" "$scratch/host.out" && [ "$tenths" -gt 0 ]; do
    sleep 0.1
    tenths=$((tenths - 1))
  done
  grep "^$1" "$scratch/host.out" | tr -d '\r'
}

TestPreviewFillsHostAndEndsWithIt() {
  Group "/p with a 152x112 host: a child of that size that draws and ends with the host"
  SetSetting Rotate 1
  SetSetting Detail 2
  rm -f "$scratch/host.in" "$scratch/host.out"
  mkfifo "$scratch/host.in"
  wine "$helpers/preview_host.exe" "$scr" <"$scratch/host.in" >"$scratch/host.out" 2>/dev/null &
  hostPid=$!
  # Held open until the host is to close: its end is the host's signal.
  exec 3>"$scratch/host.in"
  Check "the child fills the host exactly" Equals "$(HostSays 'child\|no child')" "child 0 0 152 112"
  sleep 2
  drawable=$(ShowPreviewDrawable)
  Check "the saver's drawing surface is 152x112" test -n "$drawable"
  sleep 1
  Screenshot "$scratch/preview.png"
  Check "the preview frames show the scene" test \
    "$(ColourCount "$scratch/preview.png" 152x112+600+600)" -gt 10
  exec 3>&-
  Check "destroying the host ends the saver with exit code 0" Equals \
    "$(HostSays 'saver')" "saver exit 0"
  wait "$hostPid"
}
