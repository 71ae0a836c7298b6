# What a release of vorn.scr carries besides the program: no debug sections,
# the manifest that Windows reads before starting it, and what that manifest
# is for, the full screen at a high DPI setting. Sourced by tests/win/run.

TestNoDebugSections() {
  Group "vorn.scr carries no debug sections"
  sections=$(x86_64-w64-mingw32-objdump -h "$scr" | awk '$2 ~ /^\.debug/ { print $2 }')
  Check "objdump -h lists no .debug_* section" Equals "$sections" ""
}

TestManifest() {
  Group "the embedded manifest, as Windows reads it"
  manifest=$(wine "$helpers/manifest_probe.exe" "$(winepath -w "$scr")" 2>&1 | tr -d '\r')
  echo "$manifest" | sed 's/^/        /'
  Check "per-monitor DPI aware (dpiAware)" Contains "$manifest" "dpiAware true/pm"
  Check "per-monitor DPI aware, V2 first (dpiAwareness)" Contains "$manifest" \
    "dpiAwareness PerMonitorV2, PerMonitor"
  Check "Windows Vista to 10 and 11 as supported systems" Contains "$manifest" "supportedOS 5"
  Check "the common controls of version 6" Contains "$manifest" "comctl32 6"
}

# Wine 8 treats every program as per-monitor aware, manifest or not, so here
# TestManifest is what notices a lost manifest; this one, a window sized in
# scaled-down units.
TestFullScreenAtHighDpi() {
  Group "/s at 144 DPI covers the screen in real pixels"
  desktop='HKCU\Control Panel\Desktop'
  wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
  StartFullScreen
  Check "the saver's window is as large as the screen" CoversScreen "$window"
  xdotool key x
  WaitForSaver 30
  wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1
}
