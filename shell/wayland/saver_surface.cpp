// The roles of a saver surface, its configure handshake, and its EGL surface
// sized by the surface's scale.
#include "shell/wayland/saver_surface.h"

#include <cstdio>

#include "shell/startup_trace.h"

namespace {
constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 720;
constexpr std::uint32_t kAllEdges =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;
// Covers panels and bars too, instead of keeping clear of them.
constexpr std::int32_t kIgnoreExclusiveZones = -1;
}  // namespace

const zwlr_layer_surface_v1_listener SaverSurface::kLayerListener = {
    [](void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial, std::uint32_t width,
       std::uint32_t height) {
      zwlr_layer_surface_v1_ack_configure(layer, serial);
      static_cast<SaverSurface*>(data)->OnConfigure(static_cast<int>(width),
                                                    static_cast<int>(height));
    },
    [](void* data, zwlr_layer_surface_v1*) { static_cast<SaverSurface*>(data)->closed_ = true; }};

const xdg_surface_listener SaverSurface::kXdgSurfaceListener = {[](void* data, xdg_surface* surface,
                                                                   std::uint32_t serial) {
  xdg_surface_ack_configure(surface, serial);
  auto& self = *static_cast<SaverSurface*>(data);
  // Zero leaves the size to us; a window keeps the size it has.
  const bool chosen = self.pendingWidth_ > 0 && self.pendingHeight_ > 0;
  const int width = chosen ? self.pendingWidth_ : (self.width_ > 0 ? self.width_ : kWindowWidth);
  const int height =
      chosen ? self.pendingHeight_ : (self.height_ > 0 ? self.height_ : kWindowHeight);
  self.OnConfigure(width, height);
}};

const xdg_toplevel_listener SaverSurface::kToplevelListener = {
    [](void* data, xdg_toplevel*, std::int32_t width, std::int32_t height, wl_array*) {
      auto& self = *static_cast<SaverSurface*>(data);
      self.pendingWidth_ = width;
      self.pendingHeight_ = height;
    },
    [](void* data, xdg_toplevel*) { static_cast<SaverSurface*>(data)->closeAsked_ = true; },
    [](void*, xdg_toplevel*, std::int32_t, std::int32_t) {},
    [](void*, xdg_toplevel*, wl_array*) {}};

const wl_callback_listener SaverSurface::kFrameListener = {
    [](void* data, wl_callback* callback, std::uint32_t) {
      auto& self = *static_cast<SaverSurface*>(data);
      wl_callback_destroy(callback);
      self.frameCallback_ = nullptr;
      self.framePending_ = false;
    }};

SaverSurface::SaverSurface(const WaylandClient& client, EglContext& egl, SurfaceRole role,
                           wl_output* output)
    : egl_(egl) {
  surface_ = wl_compositor_create_surface(client.compositor());
  scale_ = std::make_unique<SurfaceScale>(client, surface_, output);
  if (role == SurfaceRole::kCoverOutput && client.layerShell() != nullptr) {
    MakeLayerSurface(client, output);
  } else {
    MakeToplevel(client, role == SurfaceRole::kCoverOutput ? output : nullptr);
  }
  // The first commit, with no buffer, asks the compositor for a size.
  wl_surface_commit(surface_);
}

void SaverSurface::MakeLayerSurface(const WaylandClient& client, wl_output* output) {
  layerSurface_ = zwlr_layer_shell_v1_get_layer_surface(client.layerShell(), surface_, output,
                                                        ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "vorn");
  zwlr_layer_surface_v1_set_anchor(layerSurface_, kAllEdges);
  zwlr_layer_surface_v1_set_exclusive_zone(layerSurface_, kIgnoreExclusiveZones);
  zwlr_layer_surface_v1_set_keyboard_interactivity(
      layerSurface_, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
  zwlr_layer_surface_v1_add_listener(layerSurface_, &kLayerListener, this);
}

void SaverSurface::MakeToplevel(const WaylandClient& client, wl_output* output) {
  xdgSurface_ = xdg_wm_base_get_xdg_surface(client.wmBase(), surface_);
  xdg_surface_add_listener(xdgSurface_, &kXdgSurfaceListener, this);
  toplevel_ = xdg_surface_get_toplevel(xdgSurface_);
  xdg_toplevel_add_listener(toplevel_, &kToplevelListener, this);
  xdg_toplevel_set_title(toplevel_, "vorn");
  xdg_toplevel_set_app_id(toplevel_, "vorn");
  if (output != nullptr) xdg_toplevel_set_fullscreen(toplevel_, output);
}

SaverSurface::~SaverSurface() {
  if (eglSurface_ != EGL_NO_SURFACE) {
    // A surface is not destroyed while it is current.
    egl_.MakeCurrent(EGL_NO_SURFACE);
    eglDestroySurface(egl_.display(), eglSurface_);
  }
  if (eglWindow_ != nullptr) wl_egl_window_destroy(eglWindow_);
  if (frameCallback_ != nullptr) wl_callback_destroy(frameCallback_);
  if (toplevel_ != nullptr) xdg_toplevel_destroy(toplevel_);
  if (xdgSurface_ != nullptr) xdg_surface_destroy(xdgSurface_);
  if (layerSurface_ != nullptr) zwlr_layer_surface_v1_destroy(layerSurface_);
  scale_.reset();
  wl_surface_destroy(surface_);
}

void SaverSurface::OnConfigure(int width, int height) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  // The first size makes the surface ready to draw; later ones wait for the next frame.
  if (eglWindow_ != nullptr) return;
  TraceStartupStep("configure");
  if (!FitBuffer()) broken_ = true;
  TraceStartupStep("surface");
}

bool SaverSurface::FitBuffer() {
  const int scale = scale_->Current();
  if (eglWindow_ != nullptr && width_ == fittedWidth_ && height_ == fittedHeight_ &&
      scale == fittedScale_) {
    return true;
  }
  pixelWidth_ = ScaledLength(width_, scale);
  pixelHeight_ = ScaledLength(height_, scale);
  // Reaches the compositor with the next commit, that of the buffer of the new size.
  scale_->Apply(width_, height_, scale);
  fittedWidth_ = width_;
  fittedHeight_ = height_;
  fittedScale_ = scale;
  if (eglWindow_ != nullptr) {
    wl_egl_window_resize(eglWindow_, pixelWidth_, pixelHeight_, 0, 0);
    return true;
  }
  eglWindow_ = wl_egl_window_create(surface_, pixelWidth_, pixelHeight_);
  eglSurface_ = eglCreateWindowSurface(egl_.display(), egl_.config(),
                                       reinterpret_cast<EGLNativeWindowType>(eglWindow_), nullptr);
  if (eglSurface_ == EGL_NO_SURFACE) {
    std::fputs("vorn: cannot make an EGL surface for the Wayland surface\n", stderr);
    return false;
  }
  // Frame callbacks pace the drawing; EGL's own wait for them would stall
  // every other output behind a hidden one.
  egl_.MakeCurrent(eglSurface_);
  eglSwapInterval(egl_.display(), 0);
  return true;
}

bool SaverSurface::MakeCurrent() {
  FitBuffer();
  if (egl_.MakeCurrent(eglSurface_)) return true;
  std::fputs("vorn: cannot draw on the Wayland surface\n", stderr);
  broken_ = true;
  return false;
}

void SaverSurface::Swap() {
  frameCallback_ = wl_surface_frame(surface_);
  wl_callback_add_listener(frameCallback_, &kFrameListener, this);
  framePending_ = true;
  // The swap commits the surface, with the frame callback.
  eglSwapBuffers(egl_.display(), eglSurface_);
}
