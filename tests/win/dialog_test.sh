# The configuration dialog (/c): what it shows from the registry, what OK
# and Cancel store, and where it opens with and without an owner. Clicks are
# real pointer clicks where dialog_probe says the controls are. Sourced by
# tests/win/run.

ok_button=1
cancel_button=2
mouse_control=1000
low=1005
middle=1006
high=1007

start_dialog() {
  start_saver /c
  probe >/dev/null
}

# Lines "ID CHECK X Y" for the given control ids, from the dialog on screen.
probe() {
  wine "$helpers/dialog_probe.exe" "$@" 2>/dev/null | tr -d '\r'
}

# The check states of the mouse-control box and the Low, Middle, High buttons.
shown_settings() {
  probe "$mouse_control" "$low" "$middle" "$high" | awk '{ printf "%s%s", sep, $2; sep = " " }'
}

# Clicks go into the X event queue in order: the dialog takes each in turn.
click() {
  position=$(probe "$1" | awk '{ print $3, $4 }')
  # shellcheck disable=SC2086 # x and y
  xdotool mousemove $position click 1
}

# shellcheck disable=SC2317 # called through eventually
shows() {
  equals "$(shown_settings)" "$1" >/dev/null
}

test_dialog_shows_and_ok_stores() {
  group "/c shows the stored settings, OK stores the changes"
  set_setting Rotate 0
  set_setting Detail 1
  start_dialog
  check "shows mouse control off and Middle" equals "$(shown_settings)" "0 0 1 0"
  click "$mouse_control"
  click "$low"
  check "the clicks check the box and Low" eventually 10 shows "1 1 0 0"
  click "$ok_button"
  expect_ended "$saver" OK 30
  check "Rotate = 1 is stored" equals "$(setting Rotate)" 1
  check "Detail = 0 is stored" equals "$(setting Detail)" 0
}

test_dialog_cancel_stores_nothing() {
  group "/c then Cancel stores nothing"
  set_setting Rotate 1
  set_setting Detail 2
  start_dialog
  check "shows mouse control on and High" equals "$(shown_settings)" "1 0 0 1"
  click "$mouse_control"
  click "$middle"
  click "$cancel_button"
  expect_ended "$saver" Cancel 30
  check "Rotate stays 1" equals "$(setting Rotate)" 1
  check "Detail stays 2" equals "$(setting Detail)" 2
}

test_dialog_unknown_detail() {
  group "/c with Detail = 5: no level shown, OK stores High"
  set_setting Rotate 1
  set_setting Detail 5
  start_dialog
  check "no detail button is checked" equals "$(shown_settings)" "1 0 0 0"
  click "$ok_button"
  expect_ended "$saver" OK 30
  check "Detail = 2 is stored" equals "$(setting Detail)" 2
  check "Rotate stays 1" equals "$(setting Rotate)" 1
}

test_dialog_without_settings() {
  group "/c without stored settings: mouse control on and High, Cancel creates nothing"
  clear_settings
  start_dialog
  check "shows mouse control on and High" equals "$(shown_settings)" "1 0 0 1"
  click "$cancel_button"
  expect_ended "$saver" Cancel 30
  check "the settings key is still missing" key_missing
}

# Sets x, y, width and height to the dialog's place on the screen; fails
# when it does not show.
find_dialog() {
  id=$(wait_for_window 'ORVALINDE screen saver collection')
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id" | tr '[:upper:]' '[:lower:]')"
}

# "centred" when the dialog's middle is within a pixel of the screen's, else how far off.
dialog_placement() {
  find_dialog || { echo "no dialog"; return; }
  # Twice the offsets, so that they stay whole numbers.
  dx=$((2 * x + width - $(screen_width)))
  dy=$((2 * y + height - $(screen_height)))
  if [ "$((dx * dx + dy * dy))" -le 8 ]; then
    echo centred
  else
    echo "off centre by $((dx / 2)), $((dy / 2))"
  fi
}

test_dialog_with_bad_owner() {
  group "/c 12345, a handle that names no window: the dialog shows unowned, centred"
  set_setting Rotate 1
  set_setting Detail 2
  start_saver /c 12345
  check "the dialog shows" equals "$(probe "$cancel_button" | cut -d' ' -f1)" "$cancel_button"
  check "in the middle of the screen" equals "$(dialog_placement)" centred
  click "$cancel_button"
  expect_ended "$saver" Cancel 30
}

test_dialog_texts_fit() {
  group "/c: every text fits its control in the font that stands in for the named one"
  # Wine has only the DejaVu faces here; the named face is Japanese.
  report=$(wine "$helpers/dialog_text_probe.exe" "Z:$scr" 2>/dev/null | tr -d '\r')
  echo "$report" | grep -E '^(CUT|face)' | sed 's/^/        /'
  check "none of the 14 texts is cut off" equals \
    "$(echo "$report" | grep -c '^CUT') cut, $(echo "$report" | grep -c '^fits') fit" "0 cut, 14 fit"
}

test_dialog_under_owner_keeps_its_place() {
  group "/c with a window's handle: the dialog's client area starts at its owner's"
  set_setting Rotate 1
  set_setting Detail 2
  rm -f "$scratch/host.out"
  wine "$helpers/owner_window.exe" >"$scratch/host.out" 2>/dev/null &
  owner_pid=$!
  # "owner HWND X Y", waited for by host_says of preview_test.sh.
  owner=$(host_says owner)
  start_saver /c "$(echo "$owner" | cut -d' ' -f2)"
  check "the dialog shows there" equals "$(host_says 'owned\|nothing')" \
    "owned $(echo "$owner" | cut -d' ' -f3-)"
  click "$cancel_button"
  expect_ended "$saver" Cancel 30
  kill "$owner_pid"
  wait "$owner_pid" 2>/dev/null
}
