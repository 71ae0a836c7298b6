#include "shell/win32/dialog_font.h"

#include <cwchar>

namespace {
// Faces close to the named one at its line height, in the order tried: every
// Windows since 2000 has Tahoma.
constexpr const wchar_t* kStandInFaces[] = {L"Tahoma", L"MS Sans Serif"};

HFONT standInFont = nullptr;

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool Installed(HDC dc, const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(dc, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

BOOL CALLBACK SetFont(HWND control, LPARAM font) {
  SendMessageW(control, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
  return TRUE;
}
}  // namespace

void UseStandInFontIfMissing(HWND dialog) {
  LOGFONTW font{};
  const auto named = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  if (named == nullptr || GetObjectW(named, sizeof font, &font) == 0) return;
  HDC dc = GetDC(dialog);
  const bool missing = !Installed(dc, font.lfFaceName);
  for (const wchar_t* face : kStandInFaces) {
    if (!missing || !Installed(dc, face)) continue;
    std::wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    break;
  }
  ReleaseDC(dialog, dc);
  if (!missing) return;
  // Without a stand-in face the system substitutes again. The named face's
  // letters fill its whole line, so a negative height (the letter size) gives
  // a stand-in taller lines than the controls were made for; a positive one
  // (the line) keeps them and scales its letters down to fit.
  if (font.lfHeight < 0) font.lfHeight = -font.lfHeight;
  standInFont = CreateFontIndirectW(&font);
  if (standInFont != nullptr) {
    EnumChildWindows(dialog, SetFont, reinterpret_cast<LPARAM>(standInFont));
  }
}

void ReleaseStandInFont() {
  if (standInFont != nullptr) DeleteObject(standInFont);
  standInFont = nullptr;
}
