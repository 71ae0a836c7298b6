// The loop that hands waiting events to a handler and draws in between,
// pausing after each frame as long as --delay asks, and still handling
// events while it pauses. While nobody can see the window it draws nothing.
#include "shell/x11/render_loop.h"

#include <poll.h>

#include <chrono>

#include "scene/frame.h"
#include "scene/frame_rate_overlay.h"
#include "shell/frame_rate_meter.h"
#include "shell/linux/stop_signals.h"
#include "shell/startup_trace.h"
#include "shell/x11/window_visibility.h"
#include "shell/x11/x_errors.h"

FramePacing framePacing;

namespace {
using Clock = std::chrono::steady_clock;
// How long a hidden window waits for events at a time: also how soon it sees
// a stop signal that came in just before the wait.
constexpr std::chrono::milliseconds kHiddenWait(200);

// Returns when an event comes in, a signal arrives or the time is up.
void WaitForEvents(Display* display, Clock::duration longest) {
  const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(longest).count();
  const timespec timeout{nanoseconds / 1'000'000'000, nanoseconds % 1'000'000'000};
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  ppoll(&connection, 1, &timeout, nullptr);
}

std::int64_t SteadyMilliseconds(Clock::time_point time) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
}
}  // namespace

void RunRenderLoop(GlxSurface& surface, const EventHandler& handle) {
  Display* display = surface.display();
  const std::chrono::microseconds pause(framePacing.delayMicroseconds);
  FrameRateMeter meter;
  Clock::time_point nextFrame = Clock::now();
  WindowVisibility visibility(display, surface.window());
  TraceStartupStep("view");
  while (!StopRequested()) {
    if (WatchedWindowGone()) {
      surface.ForgetWindow();
      return;
    }
    if (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      const bool wasShown = visibility.shown();
      visibility.Notice(event);
      // A window shown again is drawn at once, whatever the pause.
      if (!wasShown && visibility.shown()) nextFrame = Clock::now();
      if (!handle(event)) return;
      continue;
    }
    if (!visibility.shown()) {
      WaitForEvents(display, kHiddenWait);
      continue;
    }
    const Clock::time_point now = Clock::now();
    if (now < nextFrame) {
      WaitForEvents(display, nextFrame - now);
      continue;
    }
    DrawFrame();
    if (framePacing.showFrameRate) {
      meter.FrameShown(SteadyMilliseconds(now));
      DrawFrameRate(meter.rate());
    }
    TraceStartupStep("frame");
    surface.SwapBuffers();
    EndStartupTrace("swap");
    nextFrame = Clock::now() + pause;
  }
}
