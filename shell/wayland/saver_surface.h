// One surface the saver draws on: a layer-shell overlay covering an output,
// or, where the compositor has no layer-shell, a full-screen xdg_toplevel on
// it; or an ordinary xdg_toplevel window. Each has its own EGL surface on the
// one shared context, its own size, and its own pacing by frame callbacks.
// Its buffer has the pixels the outputs show of it, at their scale.
#pragma once

#include <EGL/egl.h>
#include <wayland-client.h>
#include <wayland-egl.h>

#include <memory>

#include "shell/egl/egl_context.h"
#include "shell/run_backend.h"
#include "shell/wayland/surface_scale.h"
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

  // Sizes the buffer for the surface's size and scale as they are now, and
  // makes the context current on it. On failure the surface is broken from
  // then on.
  bool MakeCurrent() override;
  // Of the buffer, in pixels.
  int width() const override { return pixelWidth_; }
  int height() const override { return pixelHeight_; }
  // Shows the frame, asking to be told when to draw the next.
  void Swap() override;

 private:
  void OnConfigure(int width, int height);
  // Sizes the buffer for the surface's size at its scale, as they are now;
  // false when no EGL surface can be made.
  bool FitBuffer();
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
  std::unique_ptr<SurfaceScale> scale_;
  int width_ = 0;  // in surface units
  int height_ = 0;
  int fittedWidth_ = 0;  // and the scale the buffer was last sized for
  int fittedHeight_ = 0;
  int fittedScale_ = 0;
  int pixelWidth_ = 0;  // of the buffer
  int pixelHeight_ = 0;
  int pendingWidth_ = 0;  // of a toplevel's configure, applied at its xdg_surface's
  int pendingHeight_ = 0;
  bool framePending_ = false;
  bool closed_ = false;
  bool closeAsked_ = false;
  bool broken_ = false;
};
