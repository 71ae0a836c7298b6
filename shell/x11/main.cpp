// The Linux entry: the screen saver switches, the XScreenSaver hack options,
// the saver in an ordinary window, snapshots rendered to a PNG, the usage
// text and the version.
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "resources/credits.h"
#include "scene/platform.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "shell/launch_options.h"
#include "shell/linux/linux_platform.h"
#include "shell/linux/no_system_settings.h"
#include "shell/linux/settings_dialog_program.h"
#include "shell/linux/settings_file.h"
#include "shell/linux/stop_signals.h"
#include "shell/linux/usage.h"
#include "shell/screen_saver.h"
#include "shell/snapshot_options.h"
#include "shell/startup_trace.h"
#include "shell/x11/hosted.h"
#include "shell/x11/render_loop.h"
#include "shell/x11/saver_window.h"
#include "shell/x11/snapshot.h"
#include "shell/x11/window_actions.h"
#include "shell/x11/x_errors.h"

namespace {
constexpr int kUsageError = 2;
constexpr int kNoDisplay = 1;
constexpr int kNoPicture = 1;

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
  EndSnapshotOnLostConnection();
  Display* display = OpenDisplay();
  if (display == nullptr) return kNoDisplay;
  if (!HasGlx(display)) {
    XCloseDisplay(display);
    return kNoPicture;
  }
  const int status = RunSnapshot(display, options);
  XCloseDisplay(display);
  return status;
}

// XScreenSaver names its window in the environment; without it, -root means the root window.
Window HostWindowForRoot(Display* display) {
  const char* named = std::getenv("XSCREENSAVER_WINDOW");
  if (named != nullptr) {
    if (const auto id = ParseWindowId(named)) return static_cast<Window>(*id);
    std::fprintf(stderr, "vorn: XSCREENSAVER_WINDOW is not a window id: %s\n", named);
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
  InstallStopSignals();
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
      // A number too large for an X window id names no window.
      const Window parent = launch.start.parentHandle <= kLargestXWindowId
                                ? static_cast<Window>(launch.start.parentHandle)
                                : 0;
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

  WindowActions actions;
  ScreenSaver saver(actions);
  NoSystemSettings systemSettings;
  saver.LoadSystemSettings(systemSettings);
  SettingsFile settingsFile(SettingsFile::DefaultPath());
  saver.LoadSettings(settingsFile);
  if (launch.detail) saver.detail = *launch.detail;
  detailLevel = saver.detail;

  // Changing the saver password belongs to the screen locker on Linux.
  if (saverSwitches && mode == SaverMode::kChangePassword) return 0;
  return Draw(launch, saver, actions);
}
