// Checking a window of someone else's before drawing on or in it.
#include "shell/x11/foreign_window.h"

#include <cstdio>

#include "shell/x11/x_errors.h"

bool InspectForeignWindow(Display* display, Window window, const char* purpose,
                          XWindowAttributes& attributes) {
  WatchWindow(window);
  if (window == 0 || XGetWindowAttributes(display, window, &attributes) == 0) {
    std::fprintf(stderr, "vorn: there is no window 0x%lx %s\n", window, purpose);
    return false;
  }
  if (attributes.c_class == InputOnly) {
    std::fprintf(stderr, "vorn: window 0x%lx is input-only, not a window %s\n", window, purpose);
    return false;
  }
  return true;
}
