// Surfaces that follow the outputs, and the loop: waiting events, the
// decisions of the closing rules, and a frame for each surface that is ready.
#include "shell/wayland/wayland_saver.h"

#include <poll.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "scene/frame.h"
#include "scene/frame_rate_overlay.h"
#include "shell/carry_out.h"
#include "shell/closing_rules.h"
#include "shell/frame_rate_meter.h"
#include "shell/linux/linux_platform.h"
#include "shell/linux/stop_signals.h"
#include "shell/startup_trace.h"
#include "shell/wayland/scene_moments.h"
#include "shell/wayland/seat_input.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr SaverMode kMode = SaverMode::kFullScreen;

std::int64_t SteadyMilliseconds(Clock::time_point time) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
}

// The compositor went away, or dropped us: as when the X server goes, a
// normal end for a saver, with nothing left to release on its side.
[[noreturn]] void ConnectionLost(wl_display* display) {
  const int error = wl_display_get_error(display);
  // A protocol error is ours to know about; a closed connection is not news.
  if (error == EPROTO) std::fputs("vorn: the Wayland compositor refused a request\n", stderr);
  std::_Exit(0);
}

// Reads and dispatches what the compositor sent, waiting at most timeout
// (forever when negative) for it. The stop signals, blocked everywhere
// else, come in only while it waits, so none is missed between the check
// and the wait.
void DispatchEvents(wl_display* display, const sigset_t& waitMask, int timeoutMilliseconds) {
  while (wl_display_prepare_read(display) != 0) {
    if (wl_display_dispatch_pending(display) < 0) ConnectionLost(display);
  }
  if (wl_display_flush(display) < 0 && errno != EAGAIN) {
    wl_display_cancel_read(display);
    ConnectionLost(display);
  }
  pollfd connection{wl_display_get_fd(display), POLLIN, 0};
  timespec timeout{timeoutMilliseconds / 1000, (timeoutMilliseconds % 1000) * 1'000'000L};
  const int ready = ppoll(&connection, 1, timeoutMilliseconds < 0 ? nullptr : &timeout, &waitMask);
  if (ready > 0) {
    if (wl_display_read_events(display) < 0) ConnectionLost(display);
  } else {
    wl_display_cancel_read(display);
  }
  if (wl_display_dispatch_pending(display) < 0) ConnectionLost(display);
}

class WaylandSaver {
 public:
  WaylandSaver(WaylandClient& client, EglContext& egl, ScreenSaver& saver, WaylandActions& actions,
               SurfaceRole role, const WaylandPacing& pacing)
      : client_(client),
        egl_(egl),
        saver_(saver),
        actions_(actions),
        role_(role),
        pacing_(pacing),
        seat_(client.seat(), kMode, saver, [this] { moments_.SceneChanged(); }) {
    actions_.Bind(&seat_);
  }
  ~WaylandSaver() { actions_.Bind(nullptr); }
  WaylandSaver(const WaylandSaver&) = delete;
  WaylandSaver& operator=(const WaylandSaver&) = delete;

  int Run();

 private:
  struct Drawn {
    std::unique_ptr<SaverSurface> surface;
    FrameRateMeter meter;
  };

  void Cover(std::uint32_t id, wl_output* output);
  bool Closing();
  void DrawReadySurfaces(Clock::time_point now);
  bool AnyReady() const;

  WaylandClient& client_;
  EglContext& egl_;
  ScreenSaver& saver_;
  WaylandActions& actions_;
  SurfaceRole role_;
  WaylandPacing pacing_;
  SeatInput seat_;
  SceneMoments moments_;
  std::map<std::uint32_t, Drawn> surfaces_;  // by output id; 0 for a window
  bool viewSetUp_ = false;
};

void WaylandSaver::Cover(std::uint32_t id, wl_output* output) {
  surfaces_[id].surface = std::make_unique<SaverSurface>(client_, egl_, role_, output);
}

bool WaylandSaver::AnyReady() const {
  for (const auto& [id, drawn] : surfaces_) {
    if (drawn.surface->ReadyToDraw()) return true;
  }
  return false;
}

// True when the saver is to end now.
bool WaylandSaver::Closing() {
  seat_.SettleFocus();
  bool layerClosed = false;
  for (auto& [id, drawn] : surfaces_) {
    if (drawn.surface->broken()) return true;
    if (drawn.surface->closed()) layerClosed = true;
    // The compositor's close button wakes the saver as a key would.
    if (drawn.surface->TakeCloseRequest()) {
      CarryOut(saver_, OnKeyPress(kMode, saver_, false, false));
    }
  }
  // A compositor closes the layer surfaces of an output it takes away just
  // before it removes the output: only a close that outlives the removal
  // news, which the round trip brings in, ends the saver.
  if (layerClosed) {
    if (wl_display_roundtrip(client_.display()) < 0) ConnectionLost(client_.display());
    for (const auto& [id, drawn] : surfaces_) {
      if (drawn.surface->closed()) return true;
    }
  }
  return actions_.TakeCloseMessage() &&
         OnCloseMessage(kMode, saver_, TickCount()) == CloseOutcome::kDestroy;
}

void WaylandSaver::DrawReadySurfaces(Clock::time_point now) {
  for (auto& [id, drawn] : surfaces_) {
    if (!drawn.surface->ReadyToDraw()) continue;
    drawn.surface->Draw([&](int width, int height) {
      // The first surface sets up the context's state; each then only sets
      // the view of its own size.
      if (viewSetUp_) {
        SetViewSize(width, height);
      } else {
        SetupView(width, height);
        viewSetUp_ = true;
        TraceStartupStep("view");
      }
      moments_.Draw(reinterpret_cast<std::uintptr_t>(drawn.surface.get()), DrawFrame);
      if (pacing_.showFrameRate) {
        drawn.meter.FrameShown(SteadyMilliseconds(now));
        DrawFrameRate(drawn.meter.rate());
      }
      TraceStartupStep("frame");
    });
    EndStartupTrace("swap");
  }
}

int WaylandSaver::Run() {
  if (role_ == SurfaceRole::kWindow) {
    Cover(0, nullptr);
  } else {
    client_.WatchOutputs({[this](std::uint32_t id, wl_output* output) { Cover(id, output); },
                          [this](std::uint32_t id) {
                            const auto gone = surfaces_.find(id);
                            if (gone == surfaces_.end()) return;
                            moments_.Forget(
                                reinterpret_cast<std::uintptr_t>(gone->second.surface.get()));
                            surfaces_.erase(gone);
                          }});
  }
  saver_.startTick = TickCount();

  sigset_t stopSignals;
  sigset_t waitMask;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
  sigdelset(&waitMask, SIGTERM);
  sigdelset(&waitMask, SIGINT);

  const std::chrono::microseconds pause(pacing_.delayMicroseconds);
  Clock::time_point nextFrame = Clock::now();
  while (!StopRequested()) {
    int timeout = -1;  // nothing to draw: only the compositor's news wakes us
    if (AnyReady()) {
      const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextFrame - Clock::now());
      timeout = wait.count() > 0 ? static_cast<int>(wait.count()) : 0;
    }
    DispatchEvents(client_.display(), waitMask, timeout);
    if (Closing()) break;
    const Clock::time_point now = Clock::now();
    if (now < nextFrame || !AnyReady()) continue;
    DrawReadySurfaces(now);
    nextFrame = Clock::now() + pause;
  }
  surfaces_.clear();
  sigprocmask(SIG_UNBLOCK, &stopSignals, nullptr);
  return 0;
}
}  // namespace

int RunWaylandSaver(WaylandClient& client, EglContext& egl, ScreenSaver& saver,
                    WaylandActions& actions, SurfaceRole role, const WaylandPacing& pacing) {
  return WaylandSaver(client, egl, saver, actions, role, pacing).Run();
}
