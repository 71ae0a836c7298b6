// One run of the Linux program, as main hands it to the ways it can run
// (a snapshot, the dialog, Wayland, X11), each behind a runner of its own folder.
#pragma once

#include <optional>

#include "shell/launch_options.h"

struct ProgramCall {
  int argc;
  char** argv;
  LaunchOptions launch;
};

// The exit code; nothing when the launch is not one this runner takes.
using ProgramRunner = std::optional<int> (*)(const ProgramCall& call);
