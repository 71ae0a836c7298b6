// Which runs save on Wayland, and running them there.
#pragma once

#include <optional>

#include "shell/launch_options.h"

// Full-screen saving (/s) and --window run on Wayland when WAYLAND_DISPLAY
// names a compositor that answers; the other modes draw on X windows. Empty
// when this run is not one for Wayland; else its exit code.
std::optional<int> RunOnWayland(const LaunchOptions& launch);
