// Every drawing launch that Wayland did not take, on the X display: the
// saver window (/s, /p, --window) and the windows of hosts (--root, --window-id).
#pragma once

#include "shell/linux/program_call.h"

std::optional<int> RunOnX11(const ProgramCall& call);
