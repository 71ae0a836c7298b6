// Test helper: a 152x112 window in the part of the host's preview pane. Runs
// the saver given as the argument with /p and this window's handle, reports
// the saver's child window, and when a line arrives on standard input destroys
// the host window and reports how the saver ended. Prints, one per line:
//   launch MICROSECONDS the wall clock as the saver is started, for start-up timing
//   host X Y            the host window's screen position
//   child X Y W H       the saver's window, relative to the host, or "no child"
//   saver exit N        the saver's exit code, or "saver still running"
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {
constexpr int kHostX = 200;
constexpr int kHostY = 150;
constexpr int kHostWidth = 152;
constexpr int kHostHeight = 112;
constexpr DWORD kPatienceMs = 20000;
constexpr UINT kCloseHost = WM_APP;
// A colour the scene never draws, so any of it left showing is uncovered host.
constexpr COLORREF kHostColour = RGB(255, 0, 255);

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCloseHost) DestroyWindow(window);
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHost(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = CreateSolidBrush(kHostColour);
  windowClass.lpszClassName = "vorn preview host";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, windowClass.lpszClassName, "vorn preview host", WS_POPUP | WS_VISIBLE,
                         kHostX, kHostY, kHostWidth, kHostHeight, nullptr, nullptr, instance,
                         nullptr);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

HWND WaitForChild(HWND host) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kPatienceMs) {
    PumpMessages();
    HWND child = FindWindowExA(host, nullptr, "OpenGL", "SaverWindow");
    if (child != nullptr) return child;
    Sleep(50);
  }
  return nullptr;
}

// Like a real host, keeps handling messages while it waits: the saver's
// clean-up may still send to the host's thread, and would wait for it forever.
bool WaitForSaverEnd(HANDLE saver) {
  const DWORD start = GetTickCount();
  for (DWORD waited = 0; waited < kPatienceMs; waited = GetTickCount() - start) {
    const DWORD woken =
        MsgWaitForMultipleObjects(1, &saver, FALSE, kPatienceMs - waited, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0) return true;
    if (woken != WAIT_OBJECT_0 + 1) return false;
    PumpMessages();
  }
  return false;
}

DWORD WINAPI WaitForInputLine(void* host) {
  char line[64];
  std::fgets(line, sizeof line, stdin);
  PostMessageA(static_cast<HWND>(host), kCloseHost, 0, 0);
  return 0;
}

void Report(const char* format, long a = 0, long b = 0, long c = 0, long d = 0) {
  std::printf(format, a, b, c, d);
  std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: preview_host SAVER\n");
    return 2;
  }
  HWND host = CreateHost(GetModuleHandleA(nullptr));
  std::string command = std::string("\"") + argv[1] + "\" /p " +
                        std::to_string(reinterpret_cast<std::uintptr_t>(host));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION saver{};
  const auto launch = std::chrono::system_clock::now().time_since_epoch();
  std::printf("launch %lld\n",
              static_cast<long long>(
                  std::chrono::duration_cast<std::chrono::microseconds>(launch).count()));
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &saver)) {
    std::fprintf(stderr, "preview_host: cannot start %s\n", argv[1]);
    return 1;
  }
  Report("host %ld %ld\n", kHostX, kHostY);

  HWND child = WaitForChild(host);
  if (child == nullptr) {
    Report("no child\n");
  } else {
    RECT rect{};
    GetWindowRect(child, &rect);
    Report("child %ld %ld %ld %ld\n", rect.left - kHostX, rect.top - kHostY, rect.right - rect.left,
           rect.bottom - rect.top);
  }

  CreateThread(nullptr, 0, WaitForInputLine, host, 0, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);

  DWORD exitCode = 0;
  if (WaitForSaverEnd(saver.hProcess) && GetExitCodeProcess(saver.hProcess, &exitCode)) {
    Report("saver exit %ld\n", static_cast<long>(exitCode));
  } else {
    Report("saver still running\n");
    TerminateProcess(saver.hProcess, 1);
  }
  return 0;
}
