// The saver window's messages, each turned into one closing-rules call whose
// answer is carried out here.
#include "shell/win32/saver_wnd_proc.h"

#include "shell/carry_out.h"
#include "shell/closing_rules.h"
#include "shell/win32/saver_process.h"

namespace {
// Drags and mouse moves seen so far in this run.
InputState saverInput;

CursorPoint CursorNow() {
  POINT point{};
  GetCursorPos(&point);
  return CursorPoint{point.x, point.y};
}

SystemCommand ToSystemCommand(WPARAM wParam) {
  // The low four bits are the system's own.
  switch (wParam & 0xFFF0) {
    case SC_SCREENSAVE:
      return SystemCommand::kScreenSave;
    case SC_CLOSE:
      return SystemCommand::kClose;
    default:
      return SystemCommand::kOther;
  }
}

// Set in a key-down message when the key was already down: an auto-repeat.
bool IsKeyRepeat(LPARAM lParam) { return (lParam & (1 << 30)) != 0; }

// Returns true when the message is done with and 0 is its result.
bool HandleClose(HWND window) {
  const CloseOutcome outcome = OnCloseMessage(saverMode, *screenSaver, GetTickCount());
  if (outcome == CloseOutcome::kDestroy) DestroyWindow(window);
  return outcome != CloseOutcome::kPassOn;
}
}  // namespace

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ScreenSaver& saver = *screenSaver;
  switch (message) {
    case WM_CREATE:
      saver.window = reinterpret_cast<std::uintptr_t>(window);
      saver.startTick = GetTickCount();
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
      CarryOut(saver, OnActivation(saverMode, saver, LOWORD(wParam) != 0));
      break;
    case WM_CLOSE:
      if (HandleClose(window)) return 0;
      break;
    case WM_SETCURSOR:
      SetCursor(IsSaving(saverMode, saver) ? nullptr : LoadCursorA(nullptr, IDC_ARROW));
      break;
    case WM_KEYDOWN:
      CarryOut(saver, OnKeyPress(saverMode, saver, wParam == VK_RETURN, IsKeyRepeat(lParam)));
      break;
    case WM_MBUTTONDOWN:
      CarryOut(saver, OnKeyPress(saverMode, saver, false, false));
      break;
    case WM_SYSCOMMAND:
      if (SwallowsSystemCommand(saverMode, ToSystemCommand(wParam))) return 0;
      break;
    case WM_MOUSEMOVE:
      // The cursor's screen position, not the message's window coordinates.
      CarryOut(saver, OnMouseMove(saverMode, saver, saverInput, CursorNow()));
      break;
    case WM_LBUTTONDOWN:
      OnButtonPress(saverInput, MouseButton::kLeft, CursorNow());
      break;
    case WM_LBUTTONUP:
      OnButtonRelease(saverInput, MouseButton::kLeft);
      break;
    case WM_RBUTTONDOWN:
      OnButtonPress(saverInput, MouseButton::kRight, CursorNow());
      break;
    case WM_RBUTTONUP:
      OnButtonRelease(saverInput, MouseButton::kRight);
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
