// What ends a run from the X side. An error about a window we draw in or on
// means it was destroyed under us, and the errors that follow are its echoes;
// a lost connection ends the process with code 0, as the window's owner going
// away is a normal end for a saver.
#pragma once

#include <X11/Xlib.h>

// Replaces Xlib's handlers, which would end the process with code 1.
void InstallXErrorHandlers();
// From now on an error about this window counts as its destruction.
void WatchWindow(Window window);
bool WatchedWindowGone();
