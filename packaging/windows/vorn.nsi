; The setup program of vorn.scr for 64-bit Windows. It puts the saver into the
; system folder, where the Screen Saver settings look for savers, and the
; readme, the licence and the notices with the uninstaller into Program Files;
; it can make vorn the current screen saver, and it registers the uninstaller
; in "Apps and Features".
;
; Built by the windows-setup target (packaging/windows/CMakeLists.txt), which
; defines VERSION, VERSION_QUAD (four numbers), PUBLISHER, ICON, STAGE (the
; folder holding vorn.scr, README.txt, LICENSE.txt, THIRD-PARTY-NOTICES.txt)
; and OUTFILE.
;
; Switches: /S installs or uninstalls silently. A silent installation leaves
; the current screen saver alone unless /CURRENT is given too. The setup ends
; with exit code 2 when it cannot put the new vorn.scr in place.

Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\vorn"
!define DESKTOP_KEY "Control Panel\Desktop"
; The saver's own settings (kOwnSettingsKey in shell/win32/registry_store.h).
!define SETTINGS_KEY "Software\zd7\ORVALINDE\vorn"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEINIFILE 1
!define SPIF_SENDCHANGE 2
!define /math SPIF_STORE_AND_TELL ${SPIF_UPDATEINIFILE} | ${SPIF_SENDCHANGE}

Name "vorn ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\vorn"
BrandingText "vorn ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey ProductName "vorn"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "vorn ${VERSION} setup"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "Copyright (C) the vorn developers. Free software under GPL-3.0-or-later."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

; The GPL governs passing vorn on, not running it: nothing to agree to.
!define MUI_LICENSEPAGE_TEXT_BOTTOM "vorn is free software. You need not accept this licence to install or run it; it sets your rights to change and pass on vorn."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Section "vorn screen saver" SecSaver
  SectionIn RO
  ; A 64-bit installer sees the real System32, not its 32-bit stand-in.
  SetOutPath "$SYSDIR"
  ; A running saver (the full screen, or the preview of the Screen Saver
  ; settings) cannot be overwritten, but it can be renamed: the old copy moves
  ; aside and goes at the next restart, and the new one takes its name.
  ${If} ${FileExists} "$SYSDIR\vorn.scr"
    GetTempFileName $0 "$SYSDIR"
    Delete "$0"
    Rename "$SYSDIR\vorn.scr" "$0"
    Delete /REBOOTOK "$0"
  ${EndIf}
  ; Never report success with an old saver in place.
  SetOverwrite try
  ClearErrors
  File "${STAGE}/vorn.scr"
  ${If} ${Errors}
    MessageBox MB_ICONSTOP "Cannot replace $SYSDIR\vorn.scr. Close the screen saver and its settings, then run the setup again." /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  SetOverwrite on
  SetOutPath "$INSTDIR"
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  File "${STAGE}/THIRD-PARTY-NOTICES.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "vorn screen saver"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$SYSDIR\vorn.scr,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  SectionGetSize ${SecSaver} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

; The settings belong to the user who runs the setup program.
Section "Make it the current screen saver" SecCurrent
  WriteRegStr HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE "$SYSDIR\vorn.scr"
  ; Written to the user's profile too, so that it lasts past the next log-on.
  System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_STORE_AND_TELL})"
SectionEnd

Function .onInit
  ${If} ${Silent}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/CURRENT" $1
    ${If} ${Errors}
      !insertmacro UnselectSection ${SecCurrent}
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
  ${GetFileName} $0 $1
  ${If} $1 == "vorn.scr"
    DeleteRegValue HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
  ${EndIf}

  ; A saver that is running right now goes at the next restart.
  Delete /REBOOTOK "$SYSDIR\vorn.scr"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\zd7\ORVALINDE"
  DeleteRegKey /ifempty HKCU "Software\zd7"
SectionEnd
