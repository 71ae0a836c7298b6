#include "shell/egl/egl_context.h"

namespace {
bool ChooseConfig(EGLDisplay display, EGLenum platform, EGLConfig& config) {
  const EGLint surfaceType = platform == EGL_PLATFORM_WAYLAND_KHR ? EGL_WINDOW_BIT : 0;
  const EGLint attributes[] = {EGL_SURFACE_TYPE,
                               surfaceType,
                               EGL_RED_SIZE,
                               8,
                               EGL_GREEN_SIZE,
                               8,
                               EGL_BLUE_SIZE,
                               8,
                               EGL_DEPTH_SIZE,
                               24,
                               EGL_STENCIL_SIZE,
                               8,
                               EGL_RENDERABLE_TYPE,
                               EGL_OPENGL_BIT,
                               EGL_NONE};
  EGLint count = 0;
  return eglChooseConfig(display, attributes, &config, 1, &count) == EGL_TRUE && count > 0;
}
}  // namespace

std::unique_ptr<EglContext> EglContext::Create(EGLenum platform, void* nativeDisplay,
                                               std::string& error) {
  std::unique_ptr<EglContext> egl(new EglContext);
  egl->display_ = eglGetPlatformDisplay(platform, nativeDisplay, nullptr);
  if (egl->display_ == EGL_NO_DISPLAY ||
      eglInitialize(egl->display_, nullptr, nullptr) != EGL_TRUE) {
    egl->display_ = EGL_NO_DISPLAY;
    error = "cannot initialise EGL";
    return nullptr;
  }
  if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE ||
      !ChooseConfig(egl->display_, platform, egl->config_)) {
    error = "no EGL configuration with desktop OpenGL, a depth and a stencil buffer";
    return nullptr;
  }
  const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                      EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
  egl->context_ = eglCreateContext(egl->display_, egl->config_, EGL_NO_CONTEXT, contextAttributes);
  if (egl->context_ == EGL_NO_CONTEXT) {
    error = "cannot create an OpenGL context through EGL";
    return nullptr;
  }
  return egl;
}

EglContext::~EglContext() {
  if (display_ == EGL_NO_DISPLAY) return;
  eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (context_ != EGL_NO_CONTEXT) eglDestroyContext(display_, context_);
  eglTerminate(display_);
}

bool EglContext::MakeCurrent(EGLSurface surface) {
  return eglMakeCurrent(display_, surface, surface, context_) == EGL_TRUE;
}
