// Drawing for a host such as XScreenSaver on a window it owns. The host owns
// input and closing: the run ends on SIGTERM or SIGINT or when the window is
// destroyed, and always with exit code 0.
#pragma once

#include <X11/Xlib.h>

#include "shell/run_pacing.h"
#include "shell/screen_saver.h"

// The scene's platform is installed and the settings loaded. Returns the exit code.
int RunHosted(Display* display, Window host, ScreenSaver& saver, RunPacing pacing);
