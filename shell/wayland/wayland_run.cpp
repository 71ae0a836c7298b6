#include "shell/wayland/wayland_run.h"

#include <cstdio>
#include <string>

#include "shell/linux/linux_platform.h"
#include "shell/linux/no_display.h"
#include "shell/linux/saver_settings.h"
#include "shell/linux/stop_signals.h"
#include "shell/saver_run.h"
#include "shell/startup_trace.h"
#include "shell/wayland/wayland_backend.h"

std::optional<int> RunOnWayland(const ProgramCall& call) {
  const LaunchOptions& launch = call.launch;
  if (!CanRunOnWayland(launch)) return std::nullopt;
  EndAtOnceOnStopUntilTheLoop();
  auto client = WaylandClient::Connect();
  if (!client) return std::nullopt;
  TraceStartupStep("display");
  if (!client->BindGlobals()) return kNoDisplay;

  std::string error;
  const auto egl = EglContext::Create(EGL_PLATFORM_WAYLAND_KHR, client->display(), error);
  if (!egl) {
    std::fprintf(stderr, "vorn: %s\n", error.c_str());
    return 0;
  }
  TraceStartupStep("context");
  WaylandActions actions;
  ScreenSaver saver(actions);
  LoadSaverSettings(saver, launch);
  SaverRun run(SaverMode::kFullScreen, saver, PacingFor(launch));
  const SurfaceRole role =
      launch.kind == LaunchKind::kWindow ? SurfaceRole::kWindow : SurfaceRole::kCoverOutput;
  WaylandBackend backend(*client, *egl, saver, actions, run, role);
  saver.startTick = TickCount();
  run.Run(backend, StopRequested);
  return 0;
}
