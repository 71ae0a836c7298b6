# The configuration dialog (/c): what it shows from the registry, what OK
# and Cancel store, and where it opens with and without an owner. Clicks are
# real pointer clicks where dialog_probe says the controls are. Sourced by
# tests/win/run.

okButton=1
cancelButton=2
mouseControl=1000
low=1005
middle=1006
high=1007

StartDialog() {
  StartSaver /c
  Probe >/dev/null
}

# Lines "ID CHECK X Y" for the given control ids, from the dialog on screen.
Probe() {
  wine "$helpers/dialog_probe.exe" "$@" 2>/dev/null | tr -d '\r'
}

# The check states of the mouse-control box and the Low, Middle, High buttons.
ShownSettings() {
  Probe "$mouseControl" "$low" "$middle" "$high" | awk '{ printf "%s%s", sep, $2; sep = " " }'
}

# Clicks go into the X event queue in order: the dialog takes each in turn.
Click() {
  position=$(Probe "$1" | awk '{ print $3, $4 }')
  # shellcheck disable=SC2086 # x and y
  xdotool mousemove $position click 1
}

# shellcheck disable=SC2317 # called through eventually
Shows() {
  Equals "$(ShownSettings)" "$1" >/dev/null
}

TestDialogShowsAndOkStores() {
  Group "/c shows the stored settings, OK stores the changes"
  SetSetting Rotate 0
  SetSetting Detail 1
  StartDialog
  Check "shows mouse control off and Middle" Equals "$(ShownSettings)" "0 0 1 0"
  Click "$mouseControl"
  Click "$low"
  Check "the clicks check the box and Low" eventually 10 Shows "1 1 0 0"
  Click "$okButton"
  WaitForSaver 30
  Check "OK ends the run with exit code 0" Equals "$saverExit" 0
  Check "Rotate = 1 is stored" Equals "$(Setting Rotate)" 1
  Check "Detail = 0 is stored" Equals "$(Setting Detail)" 0
}

TestDialogCancelStoresNothing() {
  Group "/c then Cancel stores nothing"
  SetSetting Rotate 1
  SetSetting Detail 2
  StartDialog
  Check "shows mouse control on and High" Equals "$(ShownSettings)" "1 0 0 1"
  Click "$mouseControl"
  Click "$middle"
  Click "$cancelButton"
  WaitForSaver 30
  Check "Cancel ends the run with exit code 0" Equals "$saverExit" 0
  Check "Rotate stays 1" Equals "$(Setting Rotate)" 1
  Check "Detail stays 2" Equals "$(Setting Detail)" 2
}

TestDialogUnknownDetail() {
  Group "/c with Detail = 5: no level shown, OK stores High"
  SetSetting Rotate 1
  SetSetting Detail 5
  StartDialog
  Check "no detail button is checked" Equals "$(ShownSettings)" "1 0 0 0"
  Click "$okButton"
  WaitForSaver 30
  Check "OK ends the run with exit code 0" Equals "$saverExit" 0
  Check "Detail = 2 is stored" Equals "$(Setting Detail)" 2
  Check "Rotate stays 1" Equals "$(Setting Rotate)" 1
}

TestDialogWithoutSettings() {
  Group "/c without stored settings: mouse control on and High, Cancel creates nothing"
  ClearSettings
  StartDialog
  Check "shows mouse control on and High" Equals "$(ShownSettings)" "1 0 0 1"
  Click "$cancelButton"
  WaitForSaver 30
  Check "Cancel ends the run with exit code 0" Equals "$saverExit" 0
  Check "the settings key is still missing" KeyMissing
}

# Sets x, y, width and height to the dialog's place on the screen; fails
# when it does not show.
FindDialog() {
  id=$(WaitForWindow 'ORVALINDE screen saver collection')
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id" | tr '[:upper:]' '[:lower:]')"
}

# "centred" when the dialog's middle is within a pixel of the screen's, else how far off.
DialogPlacement() {
  FindDialog || { echo "no dialog"; return; }
  # Twice the offsets, so that they stay whole numbers.
  dx=$((2 * x + width - $(ScreenWidth)))
  dy=$((2 * y + height - $(ScreenHeight)))
  if [ "$((dx * dx + dy * dy))" -le 8 ]; then
    echo centred
  else
    echo "off centre by $((dx / 2)), $((dy / 2))"
  fi
}

TestDialogWithBadOwner() {
  Group "/c 12345, a handle that names no window: the dialog shows unowned, centred"
  SetSetting Rotate 1
  SetSetting Detail 2
  StartSaver /c 12345
  Check "the dialog shows" Equals "$(Probe "$cancelButton" | cut -d' ' -f1)" "$cancelButton"
  Check "in the middle of the screen" Equals "$(DialogPlacement)" centred
  Click "$cancelButton"
  WaitForSaver 30
  Check "Cancel ends the run with exit code 0" Equals "$saverExit" 0
}

TestDialogTextsFit() {
  Group "/c: every text fits its control in the font that stands in for the named one"
  # Wine has only the DejaVu faces here; the named face is Japanese.
  report=$(wine "$helpers/dialog_text_probe.exe" "Z:$scr" 2>/dev/null | tr -d '\r')
  echo "$report" | grep -E '^(CUT|face)' | sed 's/^/        /'
  Check "none of the 14 texts is cut off" Equals \
    "$(echo "$report" | grep -c '^CUT') cut, $(echo "$report" | grep -c '^fits') fit" "0 cut, 14 fit"
}

TestDialogUnderOwnerKeepsItsPlace() {
  Group "/c with a window's handle: the dialog's client area starts at its owner's"
  SetSetting Rotate 1
  SetSetting Detail 2
  rm -f "$scratch/host.out"
  wine "$helpers/owner_window.exe" >"$scratch/host.out" 2>/dev/null &
  ownerPid=$!
  # "owner HWND X Y", waited for by HostSays of preview_tests.sh.
  owner=$(HostSays owner)
  StartSaver /c "$(echo "$owner" | cut -d' ' -f2)"
  Check "the dialog shows there" Equals "$(HostSays 'owned\|nothing')" \
    "owned $(echo "$owner" | cut -d' ' -f3-)"
  Click "$cancelButton"
  WaitForSaver 30
  Check "Cancel ends the run with exit code 0" Equals "$saverExit" 0
  kill "$ownerPid"
  wait "$ownerPid" 2>/dev/null
}
