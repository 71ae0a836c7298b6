// Renders a chosen moment of the scene off-screen and writes it as a PNG.
#pragma once

#include <X11/Xlib.h>

#include "shell/snapshot_options.h"

// A display lost before the picture is written ends the process with one
// line and exit code 1. Called before the display is opened.
void EndSnapshotOnLostConnection();
// Returns the process exit code: 0 written, 1 failed.
int RunSnapshot(Display* display, const SnapshotOptions& options);
