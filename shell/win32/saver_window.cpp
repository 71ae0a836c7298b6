// The saver window's life: class, window, pixel format, context, render loop,
// and the clean-up in reverse order on every way out.
#include "shell/win32/saver_window.h"

// After windows.h, which it builds on.
#include <mmsystem.h>

#include "shell/startup_trace.h"
#include "shell/win32/pixel_format.h"
#include "shell/win32/saver_process.h"
#include "shell/win32/saver_wnd_proc.h"

namespace {
constexpr const char* kClassName = "OpenGL";
constexpr const char* kWindowTitle = "SaverWindow";
constexpr const char* kErrorCaption = "Error";

struct WindowPlacement {
  DWORD style;
  HWND parent;
  int x;
  int y;
  int width;
  int height;
};

WindowPlacement PlacementForMode(HWND parent) {
  if (saverMode == SaverMode::kPreview) {
    RECT host{};
    GetWindowRect(parent, &host);
    return {WS_CHILD | WS_VISIBLE, parent, 0, 0, host.right - host.left, host.bottom - host.top};
  }
  // One view across every monitor. The primary one starts at (0, 0), so
  // monitors left of or above it make the origin negative.
  return {WS_POPUP | WS_VISIBLE,
          nullptr,
          GetSystemMetrics(SM_XVIRTUALSCREEN),
          GetSystemMetrics(SM_YVIRTUALSCREEN),
          GetSystemMetrics(SM_CXVIRTUALSCREEN),
          GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void ShowError(const char* text) { MessageBoxA(nullptr, text, kErrorCaption, MB_OK); }

void TellSaverRunning(bool running) {
  BOOL previous = FALSE;
  SystemParametersInfoA(SPI_SCREENSAVERRUNNING, running ? TRUE : FALSE, &previous, 0);
}

// The saver window, the run's one surface, of the size it was made with:
// no size message is handled.
class WindowSurface final : public RunSurfaces, public RunSurface {
 public:
  WindowSurface(HDC dc, const WindowPlacement& placement)
      : dc_(dc), width_(placement.width), height_(placement.height) {}
  void ReadySurfaces(std::vector<RunSurface*>& ready) override { ready.push_back(this); }
  // The context stays current on the one window.
  bool MakeCurrent() override { return true; }
  int width() const override { return width_; }
  int height() const override { return height_; }
  void Swap() override { SwapBuffers(dc_); }

 private:
  HDC dc_;
  int width_;
  int height_;
};

// Messages always go first; a frame is drawn only when none is waiting.
void RenderLoop(HDC dc, const WindowPlacement& placement) {
  WindowSurface surface(dc, placement);
  for (;;) {
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    } else {
      saverRun->Step(surface, SaverRun::Clock::now());
    }
  }
}

void RunWithContext(HWND window, HDC dc, const WindowPlacement& placement, int showCommand) {
  HGLRC context = wglCreateContext(dc);
  wglMakeCurrent(dc, context);
  TraceStartupStep("context");
  // The scene's clock is timeGetTime, which moves in steps of several
  // milliseconds unless asked for one: the motion would stutter.
  timeBeginPeriod(1);
  ShowWindow(window, showCommand);
  RenderLoop(dc, placement);
  timeEndPeriod(1);
  wglMakeCurrent(nullptr, nullptr);
  wglDeleteContext(context);
}

void RunWithWindow(HWND window, const WindowPlacement& placement, int showCommand) {
  HDC dc = GetDC(window);
  PIXELFORMATDESCRIPTOR format{};
  switch (SetSaverPixelFormat(dc, format)) {
    case PixelFormatResult::kNoSuitableFormat:
      ShowError("ChoosePixelFormat() failed:  Cannot find a suitable pixel format.");
      break;
    case PixelFormatResult::kCannotSet:
      ShowError("SetPixelFormat() failed:  Cannot set format specified.");
      break;
    case PixelFormatResult::kSet:
      RunWithContext(window, dc, placement, showCommand);
      break;
  }
  ReleaseDC(window, dc);
}
}  // namespace

void RunSaverWindow(HWND parent, int showCommand) {
  WNDCLASSA windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
  windowClass.lpfnWndProc = SaverWndProc;
  windowClass.hInstance = instanceHandle;
  windowClass.lpszClassName = kClassName;
  if (RegisterClassA(&windowClass) == 0) {
    ShowError("RegisterClass() failed:  Cannot register window class.");
    return;
  }
  const WindowPlacement placement = PlacementForMode(parent);
  // Windows has no pacing options: frames follow each other back to back.
  SaverRun run(saverMode, *screenSaver, RunPacing{});
  saverRun = &run;
  HWND window = CreateWindowExA(0, kClassName, kWindowTitle, placement.style, placement.x,
                                placement.y, placement.width, placement.height, placement.parent,
                                nullptr, instanceHandle, nullptr);
  if (window != nullptr) {
    const bool fullScreen = saverMode == SaverMode::kFullScreen;
    if (fullScreen) TellSaverRunning(true);
    RunWithWindow(window, placement, showCommand);
    // A failed set-up leaves the window standing; after the loop it is gone already.
    if (IsWindow(window)) DestroyWindow(window);
    if (fullScreen) TellSaverRunning(false);
  }
  saverRun = nullptr;
  UnregisterClassA(kClassName, instanceHandle);
}
