// An off-screen colour, depth and stencil target of a given size for an EGL
// context, drawn on and read back with glReadPixels: a pbuffer where the
// configuration offers them, otherwise a framebuffer object on no surface.
#pragma once

#include <GL/gl.h>

#include <memory>
#include <string>

#include "shell/egl/egl_context.h"

enum class OffscreenKind { kPbuffer, kFramebufferObject };

class OffscreenTarget {
 public:
  // The kind the context's configuration suits best.
  static OffscreenKind BestKind(const EglContext& context);
  // Makes the context current on a new target of that kind; null, with error
  // set and nothing left behind, when a step fails.
  static std::unique_ptr<OffscreenTarget> Create(EglContext& context, OffscreenKind kind, int width,
                                                 int height, std::string& error);
  // Releases the context and frees the target.
  ~OffscreenTarget();

  OffscreenTarget(const OffscreenTarget&) = delete;
  OffscreenTarget& operator=(const OffscreenTarget&) = delete;

 private:
  explicit OffscreenTarget(EglContext& context) : context_(context) {}
  bool CreatePbuffer(int width, int height, std::string& error);
  bool CreateFramebufferObject(int width, int height, std::string& error);

  EglContext& context_;
  EGLSurface pbuffer_ = EGL_NO_SURFACE;
  GLuint framebuffer_ = 0;
  GLuint colourBuffer_ = 0;
  GLuint depthStencilBuffer_ = 0;
};
