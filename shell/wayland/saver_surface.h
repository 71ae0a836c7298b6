// One surface the saver draws on: a layer-shell overlay covering an output,
// or, where the compositor has no layer-shell, a full-screen xdg_toplevel on
// it; or an ordinary xdg_toplevel window. Each has its own EGL surface on the
// one shared context, its own size, and its own pacing by frame callbacks.
#pragma once

#include <EGL/egl.h>
#include <wayland-client.h>
#include <wayland-egl.h>

#include "shell/egl/egl_context.h"
#include "shell/run_backend.h"
#include "shell/wayland/wayland_client.h"

enum class SurfaceRole {
  kCoverOutput,  // layer-shell overlay, or a full-screen toplevel without layer-shell
  kWindow,       // an ordinary toplevel the compositor places
};

class SaverSurface : public RunSurface {
 public:
  // output is null for a window.
  SaverSurface(const WaylandClient& client, EglContext& egl, SurfaceRole role, wl_output* output);
  ~SaverSurface();
  SaverSurface(const SaverSurface&) = delete;
  SaverSurface& operator=(const SaverSurface&) = delete;

  wl_surface* surface() const { return surface_; }
  // Sized by the compositor, and the compositor has shown the last frame.
  bool ReadyToDraw() const { return eglSurface_ != EGL_NO_SURFACE && !framePending_; }
  // The compositor closed it (a layer surface).
  bool closed() const { return closed_; }
  // True once each time the compositor asks a toplevel to close.
  bool TakeCloseRequest() {
    const bool asked = closeAsked_;
    closeAsked_ = false;
    return asked;
  }
  // A surface that cannot be drawn on; the saver cannot go on.
  bool broken() const { return broken_; }

  // On failure the surface is broken from then on.
  bool MakeCurrent() override;
  int width() const override { return width_; }
  int height() const override { return height_; }
  // Shows the frame, asking to be told when to draw the next.
  void Swap() override;

 private:
  void OnConfigure(int width, int height);
  void MakeLayerSurface(const WaylandClient& client, wl_output* output);
  void MakeToplevel(const WaylandClient& client, wl_output* output);

  static const zwlr_layer_surface_v1_listener kLayerListener;
  static const xdg_surface_listener kXdgSurfaceListener;
  static const xdg_toplevel_listener kToplevelListener;
  static const wl_callback_listener kFrameListener;

  EglContext& egl_;
  wl_surface* surface_ = nullptr;
  zwlr_layer_surface_v1* layerSurface_ = nullptr;
  xdg_surface* xdgSurface_ = nullptr;
  xdg_toplevel* toplevel_ = nullptr;
  wl_egl_window* eglWindow_ = nullptr;
  EGLSurface eglSurface_ = EGL_NO_SURFACE;
  wl_callback* frameCallback_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int pendingWidth_ = 0;  // of a toplevel's configure, applied at its xdg_surface's
  int pendingHeight_ = 0;
  bool framePending_ = false;
  bool closed_ = false;
  bool closeAsked_ = false;
  bool broken_ = false;
};
