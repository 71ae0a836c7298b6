# What a release of vorn.scr carries besides the program: no debug sections,
# the manifest that Windows reads before starting it, and what that manifest
# is for, the full screen at a high DPI setting. Sourced by tests/win/run.

test_no_debug_sections() {
  group "vorn.scr carries no debug sections"
  sections=$(x86_64-w64-mingw32-objdump -h "$scr" | awk '$2 ~ /^\.debug/ { print $2 }')
  check "objdump -h lists no .debug_* section" equals "$sections" ""
}

test_manifest() {
  group "the embedded manifest, as Windows reads it"
  manifest=$(wine "$helpers/manifest_probe.exe" "$(winepath -w "$scr")" 2>&1 | tr -d '\r')
  echo "$manifest" | sed 's/^/        /'
  check "per-monitor DPI aware (dpiAware)" contains "$manifest" "dpiAware true/pm"
  check "per-monitor DPI aware, V2 first (dpiAwareness)" contains "$manifest" \
    "dpiAwareness PerMonitorV2, PerMonitor"
  check "Windows Vista to 10 and 11 as supported systems" contains "$manifest" "supportedOS 5"
  check "the common controls of version 6" contains "$manifest" "comctl32 6"
}

# Wine 8 treats every program as per-monitor aware, manifest or not, so here
# test_manifest is what notices a lost manifest; this one, a window sized in
# scaled-down units.
test_full_screen_at_high_dpi() {
  group "/s at 144 DPI covers the screen in real pixels"
  desktop='HKCU\Control Panel\Desktop'
  wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
  start_full_screen
  check "the saver's window is as large as the screen" eventually 30 covers_screen
  xdotool key x
  ended_within 30 "$saver"
  wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1
}
