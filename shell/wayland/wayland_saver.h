// Full-screen saving on every output of a Wayland compositor, or the saver's
// rules in an ordinary window: the surfaces, the seat's input and the loop
// that draws each surface when the compositor asks for its next frame.
#pragma once

#include <cstdint>

#include "shell/egl/egl_context.h"
#include "shell/screen_saver.h"
#include "shell/wayland/saver_surface.h"
#include "shell/wayland/wayland_actions.h"
#include "shell/wayland/wayland_client.h"

struct WaylandPacing {
  std::uint32_t delayMicroseconds = 0;  // at least this long between frames; 0 as soon as asked
  bool showFrameRate = false;           // the frame rate drawn in a corner of each surface
};

// The saver's settings are loaded and the scene's platform installed, the
// saver bound to actions. Returns the exit code.
int RunWaylandSaver(WaylandClient& client, EglContext& egl, ScreenSaver& saver,
                    WaylandActions& actions, SurfaceRole role, const WaylandPacing& pacing);
