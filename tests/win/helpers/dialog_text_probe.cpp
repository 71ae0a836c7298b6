// Test helper: opens the configuration dialog of the vorn.scr named on the
// command line, with vorn's own dialog procedure, in this process (a font is
// of no use across processes), and measures for each control with a text the
// room the control draws it in against what the text needs in the control's
// font, laid out as the control does (one line, or broken at words). Prints
// one line per control, "fits" or "CUT", with both sizes, then the face of
// the controls' font; exits with 1 if any text is cut off.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "resources/resource.h"
#include "shell/win32/config_dialog.h"
#include "shell/win32/saver_process.h"
#include "shell/win32/window_actions.h"

namespace {
// The room inside a push button's raised edge, and beside a group box's
// line on either side of its label.
constexpr int kPushButtonEdge = 2;
constexpr int kGroupLabelIndent = 7;

struct Room {
  RECT rect;
  UINT format;  // DrawText's line breaking for this control
};

// False for controls that draw no text.
bool RoomFor(HWND control, HDC dc, Room& room) {
  char className[16] = {};
  GetClassNameA(control, className, sizeof className);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  GetClientRect(control, &room.rect);
  if (std::strcmp(className, "Static") == 0) {
    if ((style & SS_TYPEMASK) == SS_BITMAP) return false;
    room.format = (style & SS_CENTERIMAGE) != 0 ? DT_SINGLELINE : DT_WORDBREAK;
    return true;
  }
  if (std::strcmp(className, "Button") != 0) return false;
  room.format = (style & BS_MULTILINE) != 0 ? DT_WORDBREAK : DT_SINGLELINE;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      InflateRect(&room.rect, -kPushButtonEdge, -kPushButtonEdge);
      return true;
    case BS_GROUPBOX:
      InflateRect(&room.rect, -kGroupLabelIndent, 0);
      return true;
    default: {
      // A check box or radio button: the box, then half a digit's width.
      int digit = 0;
      GetCharWidth32A(dc, '0', '0', &digit);
      room.rect.left += GetSystemMetrics(SM_CXMENUCHECK) + digit / 2;
      return true;
    }
  }
}

int cutTexts = 0;

BOOL CALLBACK Measure(HWND control, LPARAM) {
  wchar_t text[256] = {};
  if (GetWindowTextW(control, text, 256) == 0) return TRUE;
  HDC dc = GetDC(control);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  Room room{};
  if (RoomFor(control, dc, room)) {
    const int width = room.rect.right - room.rect.left;
    const int height = room.rect.bottom - room.rect.top;
    RECT need{0, 0, width, 0};
    DrawTextW(dc, text, -1, &need, room.format | DT_EXPANDTABS | DT_CALCRECT);
    const bool fits = need.right <= width && need.bottom <= height;
    if (!fits) ++cutTexts;
    std::printf("%-4s %3ldx%-3ld in %3dx%-3d %d %ls\n", fits ? "fits" : "CUT", need.right,
                need.bottom, width, height, GetDlgCtrlID(control), text);
  }
  ReleaseDC(control, dc);
  return TRUE;
}
}  // namespace

int main(int argc, char** argv) {
  HMODULE resources = LoadLibraryExA(argc > 1 ? argv[1] : "", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (resources == nullptr) {
    std::fprintf(stderr, "usage: dialog_text_probe PATH\\TO\\vorn.scr\n");
    return 2;
  }
  WindowActions actions;
  ScreenSaver saver(actions);
  screenSaver = &saver;
  HWND dialog =
      CreateDialogParamA(resources, MAKEINTRESOURCEA(IDD_CONFIG), nullptr, ConfigDialogProc, 0);
  EnumChildWindows(dialog, Measure, 0);
  HDC dc = GetDC(dialog);
  SelectObject(dc, reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, IDOK, WM_GETFONT, 0, 0)));
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  ReleaseDC(dialog, dc);
  std::printf("face %ls\n", face);
  DestroyWindow(dialog);
  return cutTexts == 0 ? 0 : 1;
}
