# The executable itself and how it starts: imports, resources, the pixel
# format, and a switch it does not know. Sourced by tests/win/run.

TestImportsOnlySystemDlls() {
  Group "vorn.scr imports only system DLLs"
  dlls=$(x86_64-w64-mingw32-objdump -p "$scr" | awk '/DLL Name:/ { print tolower($3) }' | sort)
  others=$(echo "$dlls" | grep -vxE \
    'advapi32\.dll|gdi32\.dll|glu32\.dll|kernel32\.dll|msvcrt\.dll|opengl32\.dll|shell32\.dll|user32\.dll|winmm\.dll')
  Check "imports opengl32.dll" Equals "$(echo "$dlls" | grep -c '^opengl32\.dll$')" 1
  Check "nothing but system DLLs (found: $(echo "$dlls" | tr '\n' ' '))" Equals "$others" ""
}

TestDialogFontName() {
  Group "the dialog's font name survives the resource compiler"
  # Dialog templates hold their strings in UTF-16, little-endian.
  expected=$(printf 'ＭＳ Ｐゴシック' | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -d ' \n')
  actual=$(od -An -tx1 -v "$scr" | tr -d ' \n')
  Check "UTF-16 bytes of the font name are in vorn.scr" Contains "$actual" "$expected"
}

TestPixelFormatHasDepthBuffer() {
  Group "the saver's pixel format carries a depth buffer"
  # shellcheck disable=SC2046 # "depth N gl M" splits into the four fields
  set -- $(wine "$helpers/pixel_format_probe.exe" 2>/dev/null | tr -d '\r')
  echo "        DescribePixelFormat: ${2:-?} depth bits; GL_DEPTH_BITS: ${4:-?}"
  Check "the described format has at least 24 depth bits" test "${2:-0}" -ge 24
  Check "the OpenGL context has them too" test "${4:-0}" -ge 24
}

TestUnknownSwitch() {
  Group "/x does nothing"
  StartSaver /x
  WaitForSaver 30
  Check "exits with code 0" Equals "$saverExit" 0
  Check "no saver window or dialog is left" Equals \
    "$(xdotool search --name '^(SaverWindow|ORVALINDE screen saver collection)$' 2>/dev/null)" ""
}
