# The setup program (vorn-VERSION-setup.exe in the build directory) and its
# uninstaller, both silent (/S): what they put into the system and the
# registry, and that they take all of it away again. Sourced by tests/win/run.

uninstallKey='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\vorn'
desktopKey='HKCU\Control Panel\Desktop'
installedScr='C:\windows\system32\vorn.scr'
uninstaller='C:\Program Files\vorn\uninstall.exe'

# Prints the value NAME of the registry key KEY as text, or nothing.
RegistryValue() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]+/, ""); print }'
}

InstalledFileExists() { test -f "$WINEPREFIX/drive_c/windows/system32/vorn.scr"; }
UninstallEntryMissing() { ! wine reg query "$uninstallKey" >/dev/null 2>&1; }

# Prints the path of the setup program that the build made.
SetupProgram() {
  set -- "$build"/vorn-*-setup.exe
  echo "$1"
}

# Runs the setup program with the given switches and waits for it to end.
RunSetup() {
  timeout 60 wine "$(SetupProgram)" "$@" >/dev/null 2>&1
}

# The uninstaller copies itself away and returns at once: waits up to 30 s
# for the saver file and the uninstall entry to be gone.
RunUninstaller() {
  wine "$uninstaller" /S >/dev/null 2>&1
  eventually 30 Uninstalled
}

# shellcheck disable=SC2317 # called through eventually
Uninstalled() {
  ! InstalledFileExists && UninstallEntryMissing
}

TestSetupInstallsAndUninstalls() {
  Group "setup /S installs vorn.scr and its uninstall entry; the uninstaller /S takes all away"
  Check "the setup program ends with exit code 0" RunSetup /S
  Check "vorn.scr is in the system folder" InstalledFileExists
  Check "the uninstall entry names vorn" Equals "$(RegistryValue "$uninstallKey" DisplayName)" \
    "vorn screen saver"
  version=$(basename "$(SetupProgram)" -setup.exe)
  Check "its version is the build's" Equals "$(RegistryValue "$uninstallKey" DisplayVersion)" \
    "${version#vorn-}"
  Check "it tells the quiet uninstall" Equals \
    "$(RegistryValue "$uninstallKey" QuietUninstallString)" "\"$uninstaller\" /S"
  Check "a silent setup leaves the current screen saver alone" Equals \
    "$(RegistryValue "$desktopKey" SCRNSAVE.EXE)" ""

  saved=$scr
  scr=$installedScr
  StartFullScreen
  scr=$saved
  Check "the installed saver shows full screen" CoversScreen "$window"
  xdotool key x
  WaitForSaver 30
  Check "a key closes it with exit code 0" Equals "$saverExit" 0

  SetSetting Rotate 0
  RunUninstaller
  Check "the uninstaller removes vorn.scr" Equals "$(InstalledFileExists && echo there)" ""
  Check "and the uninstall entry" UninstallEntryMissing
  Check "and the settings key" KeyMissing
}

TestSetupMakesCurrentSaver() {
  Group "setup /S /CURRENT makes vorn the current screen saver, lasting; uninstalling unsets it"
  wine reg add "$desktopKey" /v ScreenSaveActive /t REG_SZ /d 0 /f >/dev/null 2>&1
  RunSetup /S /CURRENT
  Check "SCRNSAVE.EXE names the installed saver" Equals \
    "$(RegistryValue "$desktopKey" SCRNSAVE.EXE)" "$installedScr"
  Check "the saver is switched on in the user's profile" Equals \
    "$(RegistryValue "$desktopKey" ScreenSaveActive)" 1
  RunUninstaller
  Check "the uninstaller unsets it" Equals "$(RegistryValue "$desktopKey" SCRNSAVE.EXE)" ""
}

# True when the file FILE of the system folder is queued for the next restart.
QueuedForRestart() {
  RegistryValue 'HKLM\System\CurrentControlSet\Control\Session Manager' \
    PendingFileRenameOperations | grep -qiF "system32\\$1"
}

# True when FILE was named and is not in the system folder.
GoneFromSystemFolder() {
  [ -n "$1" ] && [ ! -e "$systemFolder/$1" ]
}

# SystemFolderTakesNames yes|no: whether files in it may be made or renamed;
# chmod does not stop root.
SystemFolderTakesNames() {
  if [ "$(id -u)" -ne 0 ]; then
    if [ "$1" = yes ]; then chmod u+w "$systemFolder"; else chmod a-w "$systemFolder"; fi
  elif [ "$1" = yes ]; then
    chattr -i "$systemFolder"
  else
    chattr +i "$systemFolder"
  fi
}

TestSetupReplacesRunningSaver() {
  Group "setup /S over a running saver: fails while it cannot move it aside, then replaces it"
  systemFolder="$WINEPREFIX/drive_c/windows/system32"
  RunSetup /S
  # An older build: any other bytes will do, and an appended one still runs.
  printf x >>"$systemFolder/vorn.scr"
  cp "$systemFolder/vorn.scr" "$scratch/old.scr"
  saved=$scr
  scr=$installedScr
  StartFullScreen
  scr=$saved
  Check "the older saver runs" CoversScreen "$window"

  SystemFolderTakesNames no
  RunSetup /S
  setupExit=$?
  SystemFolderTakesNames yes
  Check "with no way to move it aside, the setup program fails" Equals "$setupExit" 2
  Check "and leaves the old file whole" cmp -s "$scratch/old.scr" \
    "$systemFolder/vorn.scr"

  Check "otherwise the setup program ends with exit code 0" RunSetup /S
  Check "vorn.scr is the new build" cmp -s "$scr" "$systemFolder/vorn.scr"
  # The setup moves the old copy aside under a temporary name of its own.
  aside=$(cd "$systemFolder" && ls ns*.tmp 2>/dev/null)
  Check "the old copy is moved aside" test -n "$aside"
  Check "and queued for deletion at the next restart" QueuedForRestart "${aside:-none}"
  xdotool key x
  WaitForSaver 30
  Check "the old saver still closes with exit code 0" Equals "$saverExit" 0
  wineboot -r 2>/dev/null
  Check "a restart deletes it" GoneFromSystemFolder "$aside"
  RunUninstaller
}
