#include "shell/wayland/wayland_backend.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "shell/linux/linux_platform.h"
#include "shell/linux/stop_signals.h"
#include "shell/linux/wait_for_connection.h"

namespace {
// The compositor went away, or dropped us: as when the X server goes, a
// normal end for a saver, with nothing left to release on its side.
[[noreturn]] void ConnectionLost(wl_display* display) {
  const int error = wl_display_get_error(display);
  // A protocol error is ours to know about; a closed connection is not news.
  if (error == EPROTO) std::fputs("vorn: the Wayland compositor refused a request\n", stderr);
  std::_Exit(0);
}

// Dispatches what the compositor sent; when nothing was waiting, first waits
// for its news until the deadline.
void DispatchEvents(wl_display* display, std::optional<RunBackend::Clock::time_point> deadline) {
  bool dispatched = false;
  while (wl_display_prepare_read(display) != 0) {
    const int count = wl_display_dispatch_pending(display);
    if (count < 0) ConnectionLost(display);
    dispatched = dispatched || count > 0;
  }
  if (wl_display_flush(display) < 0 && errno != EAGAIN) {
    wl_display_cancel_read(display);
    ConnectionLost(display);
  }
  if (dispatched) deadline = RunBackend::Clock::now();
  if (WaitForConnection(wl_display_get_fd(display), deadline)) {
    if (wl_display_read_events(display) < 0) ConnectionLost(display);
  } else {
    wl_display_cancel_read(display);
  }
  if (wl_display_dispatch_pending(display) < 0) ConnectionLost(display);
}
}  // namespace

WaylandBackend::WaylandBackend(WaylandClient& client, EglContext& egl, ScreenSaver& saver,
                               WaylandActions& actions, SaverRun& run, SurfaceRole role)
    : client_(client),
      egl_(egl),
      actions_(actions),
      run_(run),
      role_(role),
      seat_(client.seat(), saver, run) {
  TheLoopStarts();
  actions_.Bind(&seat_);
  if (role_ == SurfaceRole::kWindow) {
    Cover(0, nullptr);
  } else {
    client_.WatchOutputs({[this](std::uint32_t id, wl_output* output) { Cover(id, output); },
                          [this](std::uint32_t id) { Uncover(id); }});
  }
}

WaylandBackend::~WaylandBackend() {
  surfaces_.clear();
  actions_.Bind(nullptr);
}

void WaylandBackend::Cover(std::uint32_t id, wl_output* output) {
  surfaces_[id] = std::make_unique<SaverSurface>(client_, egl_, role_, output);
}

void WaylandBackend::Uncover(std::uint32_t id) {
  const auto gone = surfaces_.find(id);
  if (gone == surfaces_.end()) return;
  run_.SurfaceGone(*gone->second);
  surfaces_.erase(gone);
}

void WaylandBackend::ReadySurfaces(std::vector<RunSurface*>& ready) {
  for (const auto& [id, surface] : surfaces_) {
    if (surface->ReadyToDraw()) ready.push_back(surface.get());
  }
}

// True when a surface can no longer be drawn or the compositor took it away.
bool WaylandBackend::SurfacesLost() {
  bool layerClosed = false;
  for (const auto& [id, surface] : surfaces_) {
    if (surface->broken()) return true;
    if (surface->closed()) layerClosed = true;
    if (surface->TakeCloseRequest()) run_.CloseButtonPressed();
  }
  if (!layerClosed) return false;
  // A compositor closes the layer surfaces of an output it takes away just
  // before it removes the output: only a close that outlives the removal
  // news, which the round trip brings in, ends the saver.
  if (wl_display_roundtrip(client_.display()) < 0) ConnectionLost(client_.display());
  for (const auto& [id, surface] : surfaces_) {
    if (surface->closed()) return true;
  }
  return false;
}

bool WaylandBackend::WaitAndHandle(std::optional<Clock::time_point> deadline) {
  DispatchEvents(client_.display(), deadline);
  seat_.SettleFocus();
  if (SurfacesLost()) return false;
  if (actions_.TakeCloseMessage()) run_.CloseMessage(TickCount());
  return true;
}
