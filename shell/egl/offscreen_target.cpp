// Making the off-screen target and making the context current on it.
#include "shell/egl/offscreen_target.h"

#include <GL/glext.h>

namespace {
// Framebuffer objects are OpenGL 3.0, beyond what the OpenGL library exports by name.
struct FramebufferFunctions {
  PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
  PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
  PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers;
  PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
  PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
  PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
  PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;
};

template <typename Function>
bool Load(Function& function, const char* name) {
  function = reinterpret_cast<Function>(eglGetProcAddress(name));
  return function != nullptr;
}

bool LoadFramebufferFunctions(FramebufferFunctions& gl) {
  return Load(gl.genFramebuffers, "glGenFramebuffers") &&
         Load(gl.bindFramebuffer, "glBindFramebuffer") &&
         Load(gl.deleteFramebuffers, "glDeleteFramebuffers") &&
         Load(gl.genRenderbuffers, "glGenRenderbuffers") &&
         Load(gl.bindRenderbuffer, "glBindRenderbuffer") &&
         Load(gl.renderbufferStorage, "glRenderbufferStorage") &&
         Load(gl.deleteRenderbuffers, "glDeleteRenderbuffers") &&
         Load(gl.framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
         Load(gl.checkFramebufferStatus, "glCheckFramebufferStatus");
}

FramebufferFunctions framebufferFunctions;
}  // namespace

OffscreenKind OffscreenTarget::BestKind(const EglContext& context) {
  return context.OffersPbuffers() ? OffscreenKind::kPbuffer : OffscreenKind::kFramebufferObject;
}

std::unique_ptr<OffscreenTarget> OffscreenTarget::Create(EglContext& context, OffscreenKind kind,
                                                         int width, int height,
                                                         std::string& error) {
  std::unique_ptr<OffscreenTarget> target(new OffscreenTarget(context));
  const bool made = kind == OffscreenKind::kPbuffer
                        ? target->CreatePbuffer(width, height, error)
                        : target->CreateFramebufferObject(width, height, error);
  if (!made) return nullptr;
  return target;
}

bool OffscreenTarget::CreatePbuffer(int width, int height, std::string& error) {
  const EGLint attributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
  pbuffer_ = eglCreatePbufferSurface(context_.display(), context_.config(), attributes);
  if (pbuffer_ == EGL_NO_SURFACE) {
    error = "cannot create an off-screen OpenGL surface";
    return false;
  }
  if (!context_.MakeCurrent(pbuffer_)) {
    error = "cannot make the OpenGL context current";
    return false;
  }
  return true;
}

bool OffscreenTarget::CreateFramebufferObject(int width, int height, std::string& error) {
  if (!context_.MakeCurrent(EGL_NO_SURFACE)) {
    error = "cannot make the OpenGL context current without a surface";
    return false;
  }
  FramebufferFunctions& gl = framebufferFunctions;
  if (!LoadFramebufferFunctions(gl)) {
    error = "OpenGL offers no framebuffer objects";
    return false;
  }
  gl.genFramebuffers(1, &framebuffer_);
  gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  gl.genRenderbuffers(1, &colourBuffer_);
  gl.bindRenderbuffer(GL_RENDERBUFFER, colourBuffer_);
  gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
  gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer_);
  gl.genRenderbuffers(1, &depthStencilBuffer_);
  gl.bindRenderbuffer(GL_RENDERBUFFER, depthStencilBuffer_);
  gl.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
  gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                             depthStencilBuffer_);
  if (gl.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    error = "cannot make an off-screen framebuffer with depth and stencil";
    return false;
  }
  // Drawn and read through its one colour buffer, as a pbuffer's back buffer.
  glDrawBuffer(GL_COLOR_ATTACHMENT0);
  glReadBuffer(GL_COLOR_ATTACHMENT0);
  return true;
}

OffscreenTarget::~OffscreenTarget() {
  if (framebuffer_ != 0) {
    FramebufferFunctions& gl = framebufferFunctions;
    gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
    gl.deleteRenderbuffers(1, &depthStencilBuffer_);
    gl.deleteRenderbuffers(1, &colourBuffer_);
    gl.deleteFramebuffers(1, &framebuffer_);
  }
  if (eglGetCurrentContext() == context_.context()) {
    eglMakeCurrent(context_.display(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  }
  if (pbuffer_ != EGL_NO_SURFACE) eglDestroySurface(context_.display(), pbuffer_);
}
