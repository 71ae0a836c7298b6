// The Linux program's entry: the usage text and the version, and then the
// first of the ways to run that takes the launch.
#include <cstdio>
#include <cstdlib>
#include <new>

#include "resources/credits.h"
#include "scene/platform.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "shell/launch_options.h"
#include "shell/linux/linux_platform.h"
#include "shell/linux/program_call.h"
#include "shell/linux/session_lock.h"
#include "shell/linux/settings_dialog_program.h"
#include "shell/linux/snapshot.h"
#include "shell/linux/stop_signals.h"
#include "shell/linux/usage.h"
#include "shell/startup_trace.h"
#include "shell/wayland/wayland_run.h"
#include "shell/x11/x11_run.h"

namespace {
constexpr int kUsageError = 2;
constexpr int kOutOfMemory = 1;

// Tried in this order; X11 takes every launch that is left.
constexpr ProgramRunner kRunners[] = {RunSnapshot, RunSettingsDialog, RunOnWayland, RunOnX11};

// Buffers sized by outside input are allocated without throwing, and a failure
// is reported where it happens; any other allocation that fails ends the
// program with one line rather than an abort.
void OnOutOfMemory() {
  std::fputs("vorn: cannot allocate memory; stopping\n", stderr);
  std::_Exit(kOutOfMemory);
}
}  // namespace

int main(int argc, char** argv) {
  // A host may stop the saver as soon as it has started it: the stop must find
  // the handlers in place however early it comes.
  InstallStopSignals();
  std::set_new_handler(OnOutOfMemory);
  BeginStartupTrace();
  const ProgramCall call{argc, argv, ParseLaunchOptions(argc, argv)};
  const LaunchOptions& launch = call.launch;
  switch (launch.kind) {
    case LaunchKind::kUsageError:
      std::fprintf(stderr, "vorn: %s\n", launch.error.c_str());
      return kUsageError;
    case LaunchKind::kHelp:
      std::fputs(kUsageText, stdout);
      return 0;
    case LaunchKind::kVersion:
      std::puts("vorn " VORN_VERSION_TEXT);
      return 0;
    default:
      break;
  }
  if (launch.kind == LaunchKind::kSaverSwitches) {
    // An unknown switch does nothing at all, and changing the saver password
    // belongs to the screen locker on Linux.
    const SaverMode mode = launch.start.saverMode;
    if (mode == SaverMode::kNothing || mode == SaverMode::kChangePassword) return 0;
    // Two savers started together (an idle tool firing twice) would share the
    // input, and one key would leave the other up: the first one serves.
    if (mode == SaverMode::kFullScreen && !TakeSessionLock("saver")) return 0;
  }

  SeedRandom(StartupSeed());
  LinuxPlatform platform;
  InstallScenePlatform(platform);
  fullSizeTextures = FullSizeTexturesFor(launch);
  for (const ProgramRunner run : kRunners) {
    if (const auto status = run(call)) return *status;
  }
  return 0;
}
