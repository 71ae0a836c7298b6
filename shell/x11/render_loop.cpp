// The loop that hands waiting events to a handler and draws in between.
#include "shell/x11/render_loop.h"

#include "scene/frame.h"
#include "shell/startup_trace.h"
#include "shell/x11/stop_signals.h"
#include "shell/x11/x_errors.h"

void RunRenderLoop(GlxSurface& surface, const EventHandler& handle) {
  Display* display = surface.display();
  TraceStartupStep("view");
  while (!StopRequested()) {
    if (WatchedWindowGone()) {
      surface.ForgetWindow();
      return;
    }
    if (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (!handle(event)) return;
      continue;
    }
    DrawFrame();
    TraceStartupStep("frame");
    surface.SwapBuffers();
    EndStartupTrace("swap");
  }
}
