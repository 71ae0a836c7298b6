// Renders a chosen moment of the scene off-screen and writes it as a PNG,
// through EGL on Mesa's surfaceless platform: no display server is needed.
#pragma once

#include "shell/linux/program_call.h"

// Takes --snapshot. The exit code: 0 written, 1 failed, 2 for bad options.
std::optional<int> RunSnapshot(const ProgramCall& call);
