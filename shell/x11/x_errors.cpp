// Xlib error handlers that turn errors about our windows into a flag.
#include "shell/x11/x_errors.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
std::vector<Window> watchedWindows;
bool watchedWindowGone = false;

int OnXError(Display* display, XErrorEvent* error) {
  const auto watched = std::find(watchedWindows.begin(), watchedWindows.end(), error->resourceid);
  if (watched != watchedWindows.end()) watchedWindowGone = true;
  // Once a window we draw on is gone, requests on what we made for it (its
  // context, graphics contexts, pixmaps, cursors) fail as well: no news either.
  if (watchedWindowGone) return 0;
  char text[256] = "";
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "vorn: X error: %s (request %d.%d, resource 0x%lx)\n", text,
               error->request_code, error->minor_code, error->resourceid);
  return 0;
}

// Xlib ends the process when this returns, so it ends it itself. With the
// server gone there is nothing left to release on its side.
int OnXConnectionLost(Display*) { std::_Exit(0); }
}  // namespace

void InstallXErrorHandlers() {
  XSetErrorHandler(OnXError);
  XSetIOErrorHandler(OnXConnectionLost);
}

void WatchWindow(Window window) { watchedWindows.push_back(window); }

bool WatchedWindowGone() { return watchedWindowGone; }
