# The setup program (vorn-VERSION-setup.exe in the build directory) and its
# uninstaller, both silent (/S): what they put into the system and the
# registry, and that they take all of it away again. Sourced by tests/win/run.

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\vorn'
desktop_key='HKCU\Control Panel\Desktop'
installed_scr='C:\windows\system32\vorn.scr'
uninstaller='C:\Program Files\vorn\uninstall.exe'

# Prints the value NAME of the registry key KEY as text, or nothing.
registry_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]+/, ""); print }'
}

installed_file_exists() { test -f "$WINEPREFIX/drive_c/windows/system32/vorn.scr"; }
uninstall_entry_missing() { ! wine reg query "$uninstall_key" >/dev/null 2>&1; }

# Prints the path of the setup program that the build made.
setup_program() {
  set -- "$build"/vorn-*-setup.exe
  echo "$1"
}

# Runs the setup program with the given switches and waits for it to end;
# its exit code as Windows gave it.
run_setup() {
  code=$(timeout 60 wine "$helpers/exit_code.exe" "$(windows_path "$(setup_program)")" "$@" \
    2>/dev/null | tr -d '\r')
  return "${code:-255}"
}

# The uninstaller copies itself away and returns at once: waits up to 30 s
# for the saver file and the uninstall entry to be gone.
run_uninstaller() {
  wine "$uninstaller" /S >/dev/null 2>&1
  eventually 30 uninstalled
}

# shellcheck disable=SC2317 # called through eventually
uninstalled() {
  ! installed_file_exists && uninstall_entry_missing
}

test_setup_installs_and_uninstalls() {
  group "setup /S installs vorn.scr and its uninstall entry; the uninstaller /S takes all away"
  check "the setup program ends with exit code 0" run_setup /S
  check "vorn.scr is in the system folder" installed_file_exists
  check "the uninstall entry names vorn" equals "$(registry_value "$uninstall_key" DisplayName)" \
    "vorn screen saver"
  version=$(basename "$(setup_program)" -setup.exe)
  check "its version is the build's" equals "$(registry_value "$uninstall_key" DisplayVersion)" \
    "${version#vorn-}"
  check "it tells the quiet uninstall" equals \
    "$(registry_value "$uninstall_key" QuietUninstallString)" "\"$uninstaller\" /S"
  check "a silent setup leaves the current screen saver alone" equals \
    "$(registry_value "$desktop_key" SCRNSAVE.EXE)" ""

  saved=$scr
  scr=$installed_scr
  start_full_screen
  scr=$saved
  check "the installed saver shows full screen" eventually 30 covers_screen
  xdotool key x
  expect_ended "$saver" "a key" 30

  set_setting Rotate 0
  run_uninstaller
  check "the uninstaller removes vorn.scr" equals "$(installed_file_exists && echo there)" ""
  check "and the uninstall entry" uninstall_entry_missing
  check "and the settings key" key_missing
}

test_setup_makes_current_saver() {
  group "setup /S /CURRENT makes vorn the current screen saver, lasting; uninstalling unsets it"
  wine reg add "$desktop_key" /v ScreenSaveActive /t REG_SZ /d 0 /f >/dev/null 2>&1
  run_setup /S /CURRENT
  check "SCRNSAVE.EXE names the installed saver" equals \
    "$(registry_value "$desktop_key" SCRNSAVE.EXE)" "$installed_scr"
  check "the saver is switched on in the user's profile" equals \
    "$(registry_value "$desktop_key" ScreenSaveActive)" 1
  run_uninstaller
  check "the uninstaller unsets it" equals "$(registry_value "$desktop_key" SCRNSAVE.EXE)" ""
}

# True when the file FILE of the system folder is queued for the next restart.
queued_for_restart() {
  registry_value 'HKLM\System\CurrentControlSet\Control\Session Manager' \
    PendingFileRenameOperations | grep -qiF "system32\\$1"
}

# True when FILE was named and is not in the system folder.
gone_from_system_folder() {
  [ -n "$1" ] && [ ! -e "$system_folder/$1" ]
}

# system_folder_takes_names yes|no: whether files in it may be made or renamed;
# chmod does not stop root.
system_folder_takes_names() {
  if [ "$(id -u)" -ne 0 ]; then
    if [ "$1" = yes ]; then chmod u+w "$system_folder"; else chmod a-w "$system_folder"; fi
  elif [ "$1" = yes ]; then
    chattr -i "$system_folder"
  else
    chattr +i "$system_folder"
  fi
}

test_setup_replaces_running_saver() {
  group "setup /S over a running saver: fails while it cannot move it aside, then replaces it"
  system_folder="$WINEPREFIX/drive_c/windows/system32"
  # An older build, as an earlier setup left it: any other bytes will do, and
  # an appended one still runs. Put in place directly, so that only the
  # setups under test run here.
  { cat "$scr" && printf x; } >"$scratch/old.scr"
  cp "$scratch/old.scr" "$system_folder/vorn.scr"
  saved=$scr
  scr=$installed_scr
  start_full_screen
  scr=$saved
  check "the older saver runs" eventually 30 covers_screen

  system_folder_takes_names no
  run_setup /S
  setup_exit=$?
  system_folder_takes_names yes
  check "with no way to move it aside, the setup program fails" equals "$setup_exit" 2
  check "and leaves the old file whole" cmp -s "$scratch/old.scr" \
    "$system_folder/vorn.scr"

  check "otherwise the setup program ends with exit code 0" run_setup /S
  check "vorn.scr is the new build" cmp -s "$scr" "$system_folder/vorn.scr"
  # The setup moves the old copy aside under a temporary name of its own.
  aside=$(cd "$system_folder" && ls ns*.tmp 2>/dev/null)
  check "the old copy is moved aside" test -n "$aside"
  check "and queued for deletion at the next restart" queued_for_restart "${aside:-none}"
  xdotool key x
  expect_ended "$saver" "a key to the old saver" 30
  wineboot -r 2>/dev/null
  check "a restart deletes it" gone_from_system_folder "$aside"
  run_uninstaller
}
