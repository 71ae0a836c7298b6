# The executable itself and how it starts: imports, resources, the pixel
# format, and a switch it does not know. Sourced by tests/win/run.

test_imports_only_system_dlls() {
  group "vorn.scr imports only system DLLs"
  dlls=$(x86_64-w64-mingw32-objdump -p "$scr" | awk '/DLL Name:/ { print tolower($3) }' | sort)
  others=$(echo "$dlls" | grep -vxE \
    'advapi32\.dll|gdi32\.dll|glu32\.dll|kernel32\.dll|msvcrt\.dll|opengl32\.dll|shell32\.dll|user32\.dll|winmm\.dll')
  check "imports opengl32.dll" equals "$(echo "$dlls" | grep -c '^opengl32\.dll$')" 1
  check "nothing but system DLLs (found: $(echo "$dlls" | tr '\n' ' '))" equals "$others" ""
}

test_dialog_font_name() {
  group "the dialog's font name survives the resource compiler"
  # Dialog templates hold their strings in UTF-16, little-endian.
  expected=$(printf 'ＭＳ Ｐゴシック' | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -d ' \n')
  actual=$(od -An -tx1 -v "$scr" | tr -d ' \n')
  check "UTF-16 bytes of the font name are in vorn.scr" contains "$actual" "$expected"
}

test_pixel_format_has_depth_buffer() {
  group "the saver's pixel format carries a depth buffer"
  # shellcheck disable=SC2046 # "depth N gl M" splits into the four fields
  set -- $(wine "$helpers/pixel_format_probe.exe" 2>/dev/null | tr -d '\r')
  echo "        DescribePixelFormat: ${2:-?} depth bits; GL_DEPTH_BITS: ${4:-?}"
  check "the described format has at least 24 depth bits" test "${2:-0}" -ge 24
  check "the OpenGL context has them too" test "${4:-0}" -ge 24
}

test_unknown_switch() {
  group "/x does nothing"
  start_saver /x
  expect_ended "$saver" "/x" 30
  check "no saver window or dialog is left" equals \
    "$(xdotool search --name '^(SaverWindow|ORVALINDE screen saver collection)$' 2>/dev/null)" ""
}
