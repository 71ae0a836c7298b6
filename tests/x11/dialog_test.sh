#!/bin/sh
# The configuration dialog (/c) with real input: what it shows, what Enter,
# Escape, OK and Cancel store, how it treats a bad settings file and a failed
# save, that a stored "Rotate" of 0 then lets a 6-pixel move end /s, and that
# the idle row turns the autostart entry and the session's watcher on and off.
# Usage: dialog_test.sh path/to/vorn path/to/host_window, on a 640x480 display.
set -u
# shellcheck source=tests/x11/lib.sh
. "$(dirname "$0")/lib.sh"

# GTK's accessibility bridge would look for a session bus that tests do not have.
export NO_AT_BRIDGE=1
caption='ORVALINDE screen saver collection'
conf="$XDG_CONFIG_HOME/vorn/vorn.conf"

# The id of the first window named $1 exactly, empty if there is none.
# shellcheck disable=SC2317 # called through eventually
named() {
  xdotool search --limit 1 --name "^$1\$" 2>/dev/null | head -n 1
}

# shellcheck disable=SC2317 # called through eventually
dialog_shown() {
  dialog=$(named "$caption")
  [ -n "$dialog" ]
}

# shellcheck disable=SC2317 # called through eventually
error_shown() {
  error=$(named Error)
  [ -n "$error" ]
}

# Starts vorn with the arguments given and waits for its dialog, whose window
# id is then in $dialog and its process id in $configure.
open_dialog() {
  start "$vorn" "$@"
  configure=$started
  if ! eventually 30 dialog_shown; then
    fail "vorn $*: no dialog appeared"
    return 1
  fi
  focus_on "$dialog" || fail "vorn $*: the dialog took no focus"
}

# Focuses window $1 and waits until it has the keyboard.
focus_on() {
  eventually 15 takes_focus "$1"
}

# Asked again on every try: a window found by its name may not be mapped yet,
# and a request to focus it then fails.
# shellcheck disable=SC2317 # called through eventually
takes_focus() {
  xdotool windowfocus "$1" 2>/dev/null
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

stored() {
  sed -n "s/^$1=//p" "$conf" 2>/dev/null
}

expect_stored() {
  [ "$(stored Rotate)/$(stored Detail)" = "$2/$3" ] ||
    fail "$1: stored Rotate/Detail $(stored Rotate)/$(stored Detail), not $2/$3"
}

# Clicks at ($1, $2) inside the dialog; the dialog takes clicks and keys in turn.
click_at() {
  xdotool mousemove --window "$dialog" "$1" "$2" click 1
}

# Percentage of the detail buttons' area showing the blue of a chosen radio button.
chosen_detail_share() {
  shot "$dialog" "$work/dialog.png"
  percent_of "$work/dialog.png" 'srgb(53,132,228)' 30x80+214+120
}

# The caption, and Enter storing what is shown: here the first-run defaults.
rm -rf "$XDG_CONFIG_HOME"
if open_dialog /c; then
  shot "$dialog" "$work/first.png"
  [ "$(colours "$work/first.png")" -ge 10 ] || fail "the dialog shows no pictures or text"
  [ "$(chosen_detail_share)" -gt 0 ] || fail "no detail button is shown chosen for High"
  xdotool key Return
  expect_ended "$configure" "Enter"
  expect_stored "Enter on the first run" 1 2
fi

# Escape stores nothing, and leaves the file as it was.
settings 0 1
cp "$conf" "$work/before.conf"
if open_dialog /c:0; then
  xdotool key Escape
  expect_ended "$configure" "Escape"
  cmp -s "$conf" "$work/before.conf" || fail "Escape changed the settings file"
fi

# A stored detail of 3 matches no button: none shows as chosen, and Enter stores High.
settings 1 3
if open_dialog; then
  [ "$(chosen_detail_share)" -eq 0 ] || fail "a detail button shows as chosen for Detail=3"
  xdotool key Return
  expect_ended "$configure" "Enter with Detail=3"
  expect_stored "Enter with Detail=3" 1 2
fi

# Clearing the check box and pressing OK stores Rotate=0 ...
settings 1 2
if open_dialog /c; then
  click_at 310 122  # the check box
  click_at 510 155  # OK
  expect_ended "$configure" "OK"
  expect_stored "OK after clearing the check box" 0 2
fi

# ... after which a later 6-pixel move ends the full-screen saver.
xdotool mousemove 100 100
start "$vorn" /s
saver=$started
# The first move handled only says where the pointer is: moving 6 pixels to
# and fro until it ends tells Rotate=0 from Rotate=1, under which no move
# ends it.
# shellcheck disable=SC2317 # called through eventually
move_ends_saver() {
  xdotool mousemove "$x" 100
  x=$((x == 110 ? 116 : 110))
  ! running "$saver"
}
x=110
if ! eventually 15 move_ends_saver || ! ended_within 15 "$saver"; then
  fail "with Rotate=0 stored by the dialog, a 6-pixel move did not end /s"
fi

# Cancel after changing the check box stores nothing.
settings 1 1
cp "$conf" "$work/before.conf"
if open_dialog /c; then
  click_at 310 122
  click_at 510 185  # Cancel
  expect_ended "$configure" "Cancel"
  cmp -s "$conf" "$work/before.conf" || fail "Cancel changed the settings file"
fi

# The idle row: ticked, OK writes the autostart entry and starts the
# session's watcher; a changed time restarts it; unticked, both go.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
entry="$XDG_CONFIG_HOME/autostart/vorn-idle.desktop"
# The process holding the watcher's session lock, empty if none.
watcher() {
  inode=$(stat -c %i "$XDG_RUNTIME_DIR/vorn-idle.lock" 2>/dev/null) &&
    awk -v inode=":$inode" '$6 ~ inode"$" { print $5 }' /proc/locks
}
# shellcheck disable=SC2317 # called through eventually
watching() { [ -n "$(watcher)" ]; }
# shellcheck disable=SC2317 # called through eventually
restarted() { [ -n "$(watcher)" ] && [ "$(watcher)" != "$first" ]; }
settings 1 2
if open_dialog /c; then
  click_at 22 237  # Start after
  click_at 510 155
  expect_ended "$configure" "OK with the idle row ticked"
  [ "$(stored StartWhenIdle)/$(stored IdleMinutes)" = 1/10 ] ||
    fail "ticked: stored StartWhenIdle/IdleMinutes $(stored StartWhenIdle)/$(stored IdleMinutes)"
  grep -q '^Exec=".*/vorn-idle"$' "$entry" || fail "ticked: no autostart entry runs vorn-idle"
  eventually 10 watching || fail "ticked: no watcher started"
fi
first=$(watcher)
if open_dialog /c; then
  click_at 190 237  # one minute more
  click_at 510 155
  expect_ended "$configure" "OK with a longer time"
  [ "$(stored IdleMinutes)" = 11 ] || fail "a longer time: stored IdleMinutes $(stored IdleMinutes)"
  eventually 10 restarted || fail "a longer time did not restart the watcher ($first, now $(watcher))"
fi
if open_dialog /c; then
  click_at 22 237
  click_at 510 155
  expect_ended "$configure" "OK with the idle row cleared"
  [ "$(stored StartWhenIdle)" = 0 ] || fail "cleared: stored StartWhenIdle $(stored StartWhenIdle)"
  [ ! -e "$entry" ] || fail "cleared: the autostart entry stays"
  ! watching || fail "cleared: the watcher still runs"
fi

# A settings file that cannot be read shows the defaults; saving replaces it whole.
mkdir -p "$XDG_CONFIG_HOME/vorn"
printf 'not a key file\n\0garbage' >"$conf"
if open_dialog /c 2>/dev/null; then
  xdotool key Return
  expect_ended "$configure" "Enter over a bad file"
  expect_stored "Enter over a bad file" 1 2
  grep -q garbage "$conf" && fail "saving kept part of the bad file"
fi

# A save that fails says so, naming the file, and leaves what was there alone.
export XDG_CONFIG_HOME="$work/not-a-folder"
echo "a plain file" >"$XDG_CONFIG_HOME"
if open_dialog /c; then
  xdotool key Return
  if ! eventually 30 error_shown; then
    fail "a failed save showed no message"
  else
    focus_on "$error" || fail "the message took no focus"
    xdotool key Return
  fi
  expect_ended "$configure" "a failed save"
  [ "$(cat "$XDG_CONFIG_HOME")" = "a plain file" ] || fail "a failed save changed what was there"
fi

finish
