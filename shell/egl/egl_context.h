// One desktop OpenGL compatibility context through EGL, with the depth and
// stencil buffers the scene needs, on a platform display chosen by the caller.
#pragma once

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <memory>
#include <string>

class EglContext {
 public:
  // Empty, with error saying why, when no fitting context can be made.
  static std::unique_ptr<EglContext> Create(EGLenum platform, void* nativeDisplay,
                                            std::string& error);
  ~EglContext();
  EglContext(const EglContext&) = delete;
  EglContext& operator=(const EglContext&) = delete;

  EGLDisplay display() const { return display_; }
  EGLConfig config() const { return config_; }
  EGLContext context() const { return context_; }
  // Makes the context current on this surface (EGL_NO_SURFACE for none).
  bool MakeCurrent(EGLSurface surface);

 private:
  EglContext() = default;

  EGLDisplay display_ = EGL_NO_DISPLAY;
  EGLConfig config_ = nullptr;
  EGLContext context_ = EGL_NO_CONTEXT;
};
