#include "shell/wayland/wayland_launch.h"

#include <cstdio>
#include <string>

#include "scene/platform.h"
#include "scene/scene_state.h"
#include "shell/linux/linux_platform.h"
#include "shell/linux/saver_settings.h"
#include "shell/startup_trace.h"
#include "shell/wayland/wayland_saver.h"

namespace {
constexpr int kNoDisplay = 1;

bool ForWayland(const LaunchOptions& launch) {
  return launch.kind == LaunchKind::kWindow || (launch.kind == LaunchKind::kSaverSwitches &&
                                                launch.start.saverMode == SaverMode::kFullScreen);
}
}  // namespace

std::optional<int> RunOnWayland(const LaunchOptions& launch) {
  if (!ForWayland(launch)) return std::nullopt;
  auto client = WaylandClient::Connect();
  if (!client) return std::nullopt;
  TraceStartupStep("display");
  if (!client->BindGlobals()) return kNoDisplay;
  LinuxPlatform platform;
  InstallScenePlatform(platform);

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
  const bool window = launch.kind == LaunchKind::kWindow;
  fullSizeTextures = window ? 1 : launch.start.fullSizeTextures;
  const WaylandPacing pacing{FrameDelayMicroseconds(launch), launch.showFrameRate};
  return RunWaylandSaver(*client, *egl, saver, actions,
                         window ? SurfaceRole::kWindow : SurfaceRole::kCoverOutput, pacing);
}
