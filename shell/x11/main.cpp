// The Linux entry: the screen saver switches, the XScreenSaver hack options,
// the saver in an ordinary window, snapshots rendered to a PNG, the usage
// text and the version.
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "resources/credits.h"
#include "scene/platform.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "shell/launch_options.h"
#include "shell/linux/linux_platform.h"
#include "shell/linux/printable_text.h"
#include "shell/linux/saver_settings.h"
#include "shell/linux/settings_dialog_program.h"
#include "shell/linux/snapshot.h"
#include "shell/linux/stop_signals.h"
#include "shell/linux/usage.h"
#include "shell/screen_saver.h"
#include "shell/snapshot_options.h"
#include "shell/startup_trace.h"
#include "shell/wayland/wayland_launch.h"
#include "shell/x11/hosted.h"
#include "shell/x11/render_loop.h"
#include "shell/x11/saver_window.h"
#include "shell/x11/window_actions.h"
#include "shell/x11/x_errors.h"

namespace {
constexpr int kUsageError = 2;
constexpr int kNoDisplay = 1;
constexpr int kOutOfMemory = 1;

// Buffers sized by outside input are allocated without throwing, and a failure
// is reported where it happens; any other allocation that fails ends the
// program with one line rather than an abort.
void OnOutOfMemory() {
  std::fputs("vorn: cannot allocate memory; stopping\n", stderr);
  std::_Exit(kOutOfMemory);
}

// The handlers of a lost connection are in place before it opens.
Display* OpenDisplay() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    const char* name = std::getenv("DISPLAY");
    std::fprintf(stderr, "vorn: cannot open the X display \"%s\"\n", name ? name : "");
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

int Snapshot(int argc, char** argv) {
  SnapshotOptions options;
  std::string error;
  if (!ParseSnapshotOptions(argc - 2, argv + 2, options, error)) {
    std::fprintf(stderr, "vorn: %s\n", error.c_str());
    return kUsageError;
  }
  return RunSnapshot(options);
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

// The modes that draw: everything they share, from the display to the platform.
int Draw(const LaunchOptions& launch, ScreenSaver& saver, WindowActions& actions) {
  InstallXErrorHandlers();
  Display* display = OpenDisplay();
  if (display == nullptr) return kNoDisplay;
  // Like a window that cannot be set up, no end of a saver's run.
  if (!HasGlx(display)) {
    XCloseDisplay(display);
    return 0;
  }
  TraceStartupStep("display");
  LinuxPlatform platform;
  InstallScenePlatform(platform);
  framePacing.delayMicroseconds = FrameDelayMicroseconds(launch);
  framePacing.showFrameRate = launch.showFrameRate;
  int status = 0;
  switch (launch.kind) {
    case LaunchKind::kHostRoot:
      fullSizeTextures = 1;
      status = RunHosted(display, HostWindowForRoot(display));
      break;
    case LaunchKind::kHostWindow:
      status = RunHosted(display, static_cast<Window>(launch.hostWindow));
      break;
    case LaunchKind::kWindow:
      fullSizeTextures = 1;
      status = RunSaverWindow(display, saver, actions, SaverPlacement::kOrdinaryWindow, 0);
      break;
    default: {
      const bool preview = launch.start.saverMode == SaverMode::kPreview;
      fullSizeTextures = launch.start.fullSizeTextures;
      // The command line has made sure a preview's number is an X window id.
      const auto parent = static_cast<Window>(launch.start.parentHandle);
      status = RunSaverWindow(
          display, saver, actions,
          preview ? SaverPlacement::kInsideParent : SaverPlacement::kCoverScreen, parent);
      break;
    }
  }
  XCloseDisplay(display);
  return status;
}
}  // namespace

int main(int argc, char** argv) {
  // A host may stop the saver as soon as it has started it: the stop must find
  // the handlers in place however early it comes.
  InstallStopSignals();
  std::set_new_handler(OnOutOfMemory);
  BeginStartupTrace();
  const LaunchOptions launch = ParseLaunchOptions(argc, argv);
  if (launch.kind == LaunchKind::kUsageError) {
    std::fprintf(stderr, "vorn: %s\n", launch.error.c_str());
    return kUsageError;
  }
  if (launch.kind == LaunchKind::kHelp) {
    std::fputs(kUsageText, stdout);
    return 0;
  }
  if (launch.kind == LaunchKind::kVersion) {
    std::puts("vorn " VORN_VERSION_TEXT);
    return 0;
  }
  if (launch.kind == LaunchKind::kSnapshot) return Snapshot(argc, argv);

  SeedRandom(StartupSeed());
  const SaverMode mode = launch.start.saverMode;
  const bool saverSwitches = launch.kind == LaunchKind::kSaverSwitches;
  // An unknown switch does nothing at all.
  if (saverSwitches && mode == SaverMode::kNothing) return 0;
  // The dialog program loads the settings itself.
  if (saverSwitches && mode == SaverMode::kConfigure) return RunSettingsDialogProgram(argv);

  // Changing the saver password belongs to the screen locker on Linux.
  if (saverSwitches && mode == SaverMode::kChangePassword) return 0;
  if (const auto status = RunOnWayland(launch)) return *status;

  WindowActions actions;
  ScreenSaver saver(actions);
  LoadSaverSettings(saver, launch);
  return Draw(launch, saver, actions);
}
