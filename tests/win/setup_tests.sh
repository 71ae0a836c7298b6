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
  WaitForSaver 10
  Check "a key closes it with exit code 0" Equals "$saverExit" 0

  SetSetting Rotate 0
  RunUninstaller
  Check "the uninstaller removes vorn.scr" Equals "$(InstalledFileExists && echo there)" ""
  Check "and the uninstall entry" UninstallEntryMissing
  Check "and the settings key" KeyMissing
}

TestSetupMakesCurrentSaver() {
  Group "setup /S /CURRENT makes vorn the current screen saver; uninstalling unsets it"
  RunSetup /S /CURRENT
  Check "SCRNSAVE.EXE names the installed saver" Equals \
    "$(RegistryValue "$desktopKey" SCRNSAVE.EXE)" "$installedScr"
  RunUninstaller
  Check "the uninstaller unsets it" Equals "$(RegistryValue "$desktopKey" SCRNSAVE.EXE)" ""
}
