// Renders a chosen moment of the scene off-screen and writes it as a PNG.
#pragma once

#include <X11/Xlib.h>

#include "shell/snapshot_options.h"

// Returns the process exit code: 0 written, 1 failed.
int RunSnapshot(Display* display, const SnapshotOptions& options);
