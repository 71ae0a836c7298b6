// What ends a run from the X side. An error about a window we draw in or on
// means it was destroyed under us, and the errors that follow are its echoes;
// a lost connection ends the process with one line and code 0, as the
// window's owner going away is a normal end for a saver.
#pragma once

#include <X11/Xlib.h>

// Replaces Xlib's handlers, which would end the process with code 1 and a
// message of their own, and ignores SIGPIPE, so that a server gone in the
// middle of a request reaches them instead of ending the process by the
// signal. Installed before the display is opened, so that no moment of the
// run is without them.
void InstallXErrorHandlers();
// The GL library does not check every reply, and with the server gone it
// can crash where Xlib would report the loss. From now on a crash while the
// connection to display is closed ends the process as the loss does.
void EndCrashOnLostConnection(Display* display);
// Says line on standard error, unless the failure it reports came from a
// connection lost meanwhile: then the lost connection's end comes instead.
void ReportFailure(Display* display, const char* line);
// From now on an error about this window counts as its destruction.
void WatchWindow(Window window);
bool WatchedWindowGone();
