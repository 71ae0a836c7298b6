#include "shell/x11/x_backend.h"

#include "shell/linux/stop_signals.h"
#include "shell/linux/wait_for_connection.h"
#include "shell/x11/x_errors.h"

XBackend::XBackend(GlxSurface& surface, SaverRun& run, EventHandler handle)
    : surface_(surface),
      run_(run),
      handle_(std::move(handle)),
      drawn_(surface),
      visibility_(surface.display(), surface.window()) {
  TheLoopStarts();
}

void XBackend::ReadySurfaces(std::vector<RunSurface*>& ready) {
  // Nobody needs frames of a window that cannot be seen.
  if (visibility_.shown()) ready.push_back(&drawn_);
}

bool XBackend::WindowGone() {
  if (!WatchedWindowGone()) return false;
  surface_.ForgetWindow();
  return true;
}

bool XBackend::WaitAndHandle(std::optional<Clock::time_point> deadline) {
  Display* display = surface_.display();
  if (WindowGone()) return false;
  if (XPending(display) == 0) WaitForConnection(ConnectionNumber(display), deadline);
  while (!StopRequested() && XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    const bool wasShown = visibility_.shown();
    visibility_.Notice(event);
    if (!wasShown && visibility_.shown()) run_.FrameWantedNow();
    if (!handle_(event) || WindowGone()) return false;
  }
  return true;
}
