// A desktop OpenGL compatibility context through EGL, for drawing with no X
// server: on Mesa's surfaceless platform (off-screen, no display server at
// all) or on a Wayland compositor. Windows, surfaces and input belong to the
// callers; this holds the display, the configuration and the context.
#pragma once

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <memory>
#include <string>

class EglContext {
 public:
  // platform is EGL_PLATFORM_SURFACELESS_MESA (nativeDisplay null) or
  // EGL_PLATFORM_WAYLAND_KHR (nativeDisplay the wl_display). The configuration
  // has 8-bit red, green and blue, no alpha where there is a choice (a
  // compositor then shows the surface opaque), a 24-bit depth and an 8-bit
  // stencil buffer, and draws on windows (Wayland) or on pbuffers
  // (surfaceless, when the platform offers them; otherwise on no surface).
  // On failure: null, error says which step failed, and the steps done are
  // undone in reverse order. Nothing is current yet on success.
  static std::unique_ptr<EglContext> Create(EGLenum platform, void* nativeDisplay,
                                            std::string& error);
  // Releases the context, destroys it and lets the display go.
  ~EglContext();

  EglContext(const EglContext&) = delete;
  EglContext& operator=(const EglContext&) = delete;

  EGLDisplay display() const { return display_; }
  EGLConfig config() const { return config_; }
  EGLContext context() const { return context_; }
  // Whether surfaces of the configuration can be pbuffers.
  bool OffersPbuffers() const;
  // Draws and reads on surface from now on; EGL_NO_SURFACE draws on none
  // (into framebuffer objects only). False when EGL refuses.
  bool MakeCurrent(EGLSurface surface);

 private:
  explicit EglContext(EGLDisplay display) : display_(display) {}

  EGLDisplay display_;
  EGLConfig config_ = nullptr;
  EGLContext context_ = EGL_NO_CONTEXT;
};
