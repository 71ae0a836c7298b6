// Full-screen saving (/s) and --window on a Wayland compositor.
#pragma once

#include "shell/linux/program_call.h"

// Takes the launches that can run on Wayland when WAYLAND_DISPLAY names a
// compositor that answers; nothing otherwise, and quietly.
std::optional<int> RunOnWayland(const ProgramCall& call);
