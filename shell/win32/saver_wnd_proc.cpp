// The saver window's messages, each turned into one call of the saver run
// (or, for the cursor and the system commands, of the closing rules).
#include "shell/win32/saver_wnd_proc.h"

#include "shell/closing_rules.h"
#include "shell/win32/saver_process.h"

namespace {
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

}  // namespace

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ScreenSaver& saver = *screenSaver;
  SaverRun& run = *saverRun;
  switch (message) {
    case WM_CREATE:
      saverWindow = window;
      saver.startTick = GetTickCount();
      break;
    case WM_DESTROY:
      saverWindow = nullptr;
      PostQuitMessage(0);
      break;
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
      run.ActivationChanged(LOWORD(wParam) != 0);
      break;
    case WM_CLOSE:
      if (run.CloseMessage(GetTickCount())) DestroyWindow(window);
      return 0;
    case WM_SETCURSOR:
      SetCursor(IsSaving(saverMode, saver) ? nullptr : LoadCursorA(nullptr, IDC_ARROW));
      break;
    case WM_KEYDOWN:
      run.KeyPressed(wParam == VK_RETURN, IsKeyRepeat(lParam));
      break;
    case WM_MBUTTONDOWN:
      run.MiddleButtonPressed();
      break;
    case WM_SYSCOMMAND:
      if (SwallowsSystemCommand(saverMode, ToSystemCommand(wParam))) return 0;
      break;
    case WM_MOUSEMOVE:
      // The cursor's screen position, not the message's window coordinates.
      run.MouseMoved(CursorNow());
      break;
    case WM_LBUTTONDOWN:
      run.ButtonPressed(MouseButton::kLeft, CursorNow());
      break;
    case WM_LBUTTONUP:
      run.ButtonReleased(MouseButton::kLeft);
      break;
    case WM_RBUTTONDOWN:
      run.ButtonPressed(MouseButton::kRight, CursorNow());
      break;
    case WM_RBUTTONUP:
      run.ButtonReleased(MouseButton::kRight);
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
