#include "shell/x11/x11_run.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

#include "shell/linux/no_display.h"
#include "shell/linux/printable_text.h"
#include "shell/linux/saver_settings.h"
#include "shell/linux/stop_signals.h"
#include "shell/screen_saver.h"
#include "shell/startup_trace.h"
#include "shell/x11/hosted.h"
#include "shell/x11/saver_window.h"
#include "shell/x11/window_actions.h"
#include "shell/x11/x_errors.h"

namespace {
// The handlers of a lost connection are in place before it opens.
Display* OpenDisplay(const LaunchOptions& launch) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    ReportNoDisplay(launch);
    return nullptr;
  }
  EndCrashOnLostConnection(display);
  return display;
}

// Nothing can be drawn without GLX: said once, before anything else asks it for more.
bool HasGlx(Display* display) {
  int errorBase = 0;
  int eventBase = 0;
  if (glXQueryExtension(display, &errorBase, &eventBase)) return true;
  std::fputs("vorn: the X display has no OpenGL (GLX); nothing can be drawn\n", stderr);
  return false;
}

// XScreenSaver names its window in the environment; without it, -root means the root window.
Window HostWindowForRoot(Display* display) {
  const char* named = std::getenv("XSCREENSAVER_WINDOW");
  if (named != nullptr) {
    if (const auto id = ParseWindowId(named)) return static_cast<Window>(*id);
    std::fprintf(stderr, "vorn: XSCREENSAVER_WINDOW is not a window id: %s\n",
                 QuotedText(named).c_str());
  }
  return RootWindow(display, DefaultScreen(display));
}

int Draw(Display* display, const LaunchOptions& launch, ScreenSaver& saver,
         WindowActions& actions) {
  const RunPacing pacing = PacingFor(launch);
  switch (launch.kind) {
    case LaunchKind::kHostRoot:
      return RunHosted(display, HostWindowForRoot(display), saver, pacing);
    case LaunchKind::kHostWindow:
      return RunHosted(display, static_cast<Window>(launch.hostWindow), saver, pacing);
    case LaunchKind::kWindow:
      return RunSaverWindow(display, saver, actions, SaverPlacement::kOrdinaryWindow, 0, pacing);
    default: {
      const bool preview = launch.start.saverMode == SaverMode::kPreview;
      // The command line has made sure a preview's number is an X window id.
      const auto parent = static_cast<Window>(launch.start.parentHandle);
      return RunSaverWindow(display, saver, actions,
                            preview ? SaverPlacement::kInsideParent : SaverPlacement::kCoverScreen,
                            parent, pacing);
    }
  }
}
}  // namespace

std::optional<int> RunOnX11(const ProgramCall& call) {
  EndAtOnceOnStopUntilTheLoop();
  // Read first, so that a settings file that cannot be read is said to be so
  // even without a display.
  WindowActions actions;
  ScreenSaver saver(actions);
  LoadSaverSettings(saver, call.launch);
  InstallXErrorHandlers();
  Display* display = OpenDisplay(call.launch);
  if (display == nullptr) return kNoDisplay;
  // Like a window that cannot be set up, no end of a saver's run.
  if (!HasGlx(display)) {
    XCloseDisplay(display);
    return 0;
  }
  TraceStartupStep("display");
  const int status = Draw(display, call.launch, saver, actions);
  XCloseDisplay(display);
  return status;
}
