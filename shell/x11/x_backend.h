// The saver run's backend on X: one window's GLX surface, drawn only while
// someone can see it, and the X events, each handed to a handler.
#pragma once

#include <X11/Xlib.h>

#include <functional>

#include "shell/run_backend.h"
#include "shell/saver_run.h"
#include "shell/x11/glx_surface.h"
#include "shell/x11/window_visibility.h"

class XBackend : public RunBackend {
 public:
  // Handles one event; false ends the run.
  using EventHandler = std::function<bool(XEvent& event)>;

  XBackend(GlxSurface& surface, SaverRun& run, EventHandler handle);

  void ReadySurfaces(std::vector<RunSurface*>& ready) override;
  // Also ends the run when a watched window is gone; the surface's window is
  // then left alone from then on.
  bool WaitAndHandle(std::optional<Clock::time_point> deadline) override;

 private:
  class Drawn : public RunSurface {
   public:
    explicit Drawn(GlxSurface& surface) : surface_(surface) {}
    // The context stays current on the one window.
    bool MakeCurrent() override { return true; }
    int width() const override { return surface_.width(); }
    int height() const override { return surface_.height(); }
    void Swap() override { surface_.SwapBuffers(); }

   private:
    GlxSurface& surface_;
  };

  bool WindowGone();

  GlxSurface& surface_;
  SaverRun& run_;
  EventHandler handle_;
  Drawn drawn_;
  WindowVisibility visibility_;
};
