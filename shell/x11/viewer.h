// Shows the scene in an X window until Escape or the window manager closes it.
#pragma once

#include <X11/Xlib.h>

// Returns the process exit code.
int RunViewer(Display* display, bool fullScreen);
