// The saver run's backend on a Wayland compositor: a surface on every output
// (or one ordinary window), following the outputs as they come and go, each
// ready for a frame when the compositor asks for it; the seat's input; and
// the waits for the compositor's news.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "shell/egl/egl_context.h"
#include "shell/run_backend.h"
#include "shell/saver_run.h"
#include "shell/screen_saver.h"
#include "shell/wayland/saver_surface.h"
#include "shell/wayland/seat_input.h"
#include "shell/wayland/wayland_actions.h"
#include "shell/wayland/wayland_client.h"

class WaylandBackend : public RunBackend {
 public:
  // The actions are bound to the seat for the backend's life.
  WaylandBackend(WaylandClient& client, EglContext& egl, ScreenSaver& saver,
                 WaylandActions& actions, SaverRun& run, SurfaceRole role);
  ~WaylandBackend();
  WaylandBackend(const WaylandBackend&) = delete;
  WaylandBackend& operator=(const WaylandBackend&) = delete;

  void ReadySurfaces(std::vector<RunSurface*>& ready) override;
  bool WaitAndHandle(std::optional<Clock::time_point> deadline) override;

 private:
  void Cover(std::uint32_t id, wl_output* output);
  void Uncover(std::uint32_t id);
  bool SurfacesLost();

  WaylandClient& client_;
  EglContext& egl_;
  WaylandActions& actions_;
  SaverRun& run_;
  SurfaceRole role_;
  SeatInput seat_;
  std::map<std::uint32_t, std::unique_ptr<SaverSurface>> surfaces_;  // by output id; 0 for a window
};
