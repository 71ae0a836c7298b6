// Opening an EGL display of a platform, choosing a configuration for the
// scene on it and creating the context.
#include "shell/egl/egl_context.h"

#include <cstring>
#include <vector>

namespace {
constexpr EGLint kColourBits = 8;

bool HasClientExtension(const char* name) {
  const char* extensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
  if (extensions == nullptr) return false;
  const size_t length = std::strlen(name);
  for (const char* at = std::strstr(extensions, name); at != nullptr;
       at = std::strstr(at + length, name)) {
    const bool startsWord = at == extensions || at[-1] == ' ';
    const bool endsWord = at[length] == ' ' || at[length] == '\0';
    if (startsWord && endsWord) return true;
  }
  return false;
}

const char* PlatformExtension(EGLenum platform) {
  return platform == EGL_PLATFORM_WAYLAND_KHR ? "EGL_KHR_platform_wayland"
                                              : "EGL_MESA_platform_surfaceless";
}

EGLint Attribute(EGLDisplay display, EGLConfig config, EGLint name) {
  EGLint value = 0;
  eglGetConfigAttrib(display, config, name, &value);
  return value;
}

// The fitting configurations with exactly 8 bits per colour, those without
// alpha first; EGL itself would put deeper colour first.
std::vector<EGLConfig> FittingConfigs(EGLDisplay display, EGLint surfaceType) {
  const EGLint attributes[] = {EGL_SURFACE_TYPE,
                               surfaceType,
                               EGL_RENDERABLE_TYPE,
                               EGL_OPENGL_BIT,
                               EGL_RED_SIZE,
                               kColourBits,
                               EGL_GREEN_SIZE,
                               kColourBits,
                               EGL_BLUE_SIZE,
                               kColourBits,
                               EGL_DEPTH_SIZE,
                               24,
                               EGL_STENCIL_SIZE,
                               8,
                               EGL_NONE};
  EGLint count = 0;
  if (!eglChooseConfig(display, attributes, nullptr, 0, &count) || count <= 0) return {};
  std::vector<EGLConfig> configs(static_cast<size_t>(count));
  if (!eglChooseConfig(display, attributes, configs.data(), count, &count)) return {};
  configs.resize(static_cast<size_t>(count));
  std::vector<EGLConfig> fitting;
  for (const bool withAlpha : {false, true}) {
    for (EGLConfig config : configs) {
      const bool exact = Attribute(display, config, EGL_RED_SIZE) == kColourBits &&
                         Attribute(display, config, EGL_GREEN_SIZE) == kColourBits &&
                         Attribute(display, config, EGL_BLUE_SIZE) == kColourBits;
      if (exact && (Attribute(display, config, EGL_ALPHA_SIZE) > 0) == withAlpha) {
        fitting.push_back(config);
      }
    }
  }
  return fitting;
}

// Surfaceless drawing prefers pbuffers and can do without any surface.
std::vector<EGLint> SurfaceTypes(EGLenum platform) {
  if (platform == EGL_PLATFORM_WAYLAND_KHR) return {EGL_WINDOW_BIT};
  return {EGL_PBUFFER_BIT, 0};
}
}  // namespace

std::unique_ptr<EglContext> EglContext::Create(EGLenum platform, void* nativeDisplay,
                                               std::string& error) {
  if (!HasClientExtension(PlatformExtension(platform))) {
    error = std::string("EGL lacks ") + PlatformExtension(platform);
    return nullptr;
  }
  EGLDisplay display = eglGetPlatformDisplay(platform, nativeDisplay, nullptr);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
    error = "cannot open an EGL display";
    return nullptr;
  }
  // From here on the destructor undoes what has been done.
  std::unique_ptr<EglContext> egl(new EglContext(display));
  if (!eglBindAPI(EGL_OPENGL_API)) {
    error = "EGL offers no desktop OpenGL";
    return nullptr;
  }
  for (const EGLint surfaceType : SurfaceTypes(platform)) {
    const std::vector<EGLConfig> configs = FittingConfigs(display, surfaceType);
    if (!configs.empty()) {
      egl->config_ = configs.front();
      break;
    }
  }
  if (egl->config_ == nullptr) {
    error = "no EGL configuration with 8-bit colour, a depth and a stencil buffer";
    return nullptr;
  }
  // The scene is fixed-function OpenGL.
  const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                               EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
  egl->context_ = eglCreateContext(display, egl->config_, EGL_NO_CONTEXT, attributes);
  if (egl->context_ == EGL_NO_CONTEXT) {
    error = "cannot create an OpenGL context with EGL";
    return nullptr;
  }
  return egl;
}

EglContext::~EglContext() {
  if (context_ != EGL_NO_CONTEXT) {
    if (eglGetCurrentContext() == context_) {
      eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }
    eglDestroyContext(display_, context_);
  }
  eglTerminate(display_);
  eglReleaseThread();
}

bool EglContext::OffersPbuffers() const {
  return (Attribute(display_, config_, EGL_SURFACE_TYPE) & EGL_PBUFFER_BIT) != 0;
}

bool EglContext::MakeCurrent(EGLSurface surface) {
  return eglMakeCurrent(display_, surface, surface, context_) == EGL_TRUE;
}
