// A window that someone else hands us to draw on or in: a host's window, or
// the parent of a preview.
#pragma once

#include <X11/Xlib.h>

// Watches the window (see x_errors.h) and reads its attributes. False, after
// one line on standard error that ends in purpose ("to draw on"), when there
// is no such window or it is input-only, which nothing can be drawn on or in.
bool InspectForeignWindow(Display* display, Window window, const char* purpose,
                          XWindowAttributes& attributes);
