#include "shell/x11/glx_surface.h"

#include <X11/Xutil.h>

#include <cstdio>

namespace {
// The main pass depth-tests, so a depth buffer is always asked for by name.
bool ChooseConfig(Display* display, int drawableType, GLXFBConfig& chosen) {
  const int attributes[] = {GLX_DRAWABLE_TYPE,
                            drawableType,
                            GLX_RENDER_TYPE,
                            GLX_RGBA_BIT,
                            GLX_RED_SIZE,
                            8,
                            GLX_GREEN_SIZE,
                            8,
                            GLX_BLUE_SIZE,
                            8,
                            GLX_DEPTH_SIZE,
                            24,
                            GLX_DOUBLEBUFFER,
                            True,
                            None};
  int count = 0;
  GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
  if (configs == nullptr || count == 0) {
    if (configs != nullptr) XFree(configs);
    std::fputs("vorn: no OpenGL configuration with a depth buffer and double buffering\n", stderr);
    return false;
  }
  chosen = configs[0];
  XFree(configs);
  return true;
}
}  // namespace

std::unique_ptr<GlxSurface> GlxSurface::ForNewWindow(Display* display, int width, int height,
                                                     bool overrideRedirect) {
  GLXFBConfig config;
  if (!ChooseConfig(display, GLX_WINDOW_BIT, config)) return nullptr;
  XVisualInfo* visual = glXGetVisualFromFBConfig(display, config);
  if (visual == nullptr) {
    std::fputs("vorn: the OpenGL configuration has no X visual\n", stderr);
    return nullptr;
  }
  std::unique_ptr<GlxSurface> surface(new GlxSurface(display, width, height));
  const Window root = RootWindow(display, visual->screen);
  surface->colormap_ = XCreateColormap(display, root, visual->visual, AllocNone);
  XSetWindowAttributes attributes{};
  attributes.colormap = surface->colormap_;
  attributes.background_pixel = BlackPixel(display, visual->screen);
  attributes.border_pixel = 0;
  attributes.override_redirect = overrideRedirect ? True : False;
  attributes.event_mask = KeyPressMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                          StructureNotifyMask | FocusChangeMask;
  surface->window_ = XCreateWindow(
      display, root, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
      visual->depth, InputOutput, visual->visual,
      CWColormap | CWBackPixel | CWBorderPixel | CWOverrideRedirect | CWEventMask, &attributes);
  XFree(visual);
  surface->drawable_ = surface->window_;
  if (!surface->MakeCurrent(config)) return nullptr;
  return surface;
}

std::unique_ptr<GlxSurface> GlxSurface::ForPbuffer(Display* display, int width, int height) {
  GLXFBConfig config;
  if (!ChooseConfig(display, GLX_PBUFFER_BIT, config)) return nullptr;
  std::unique_ptr<GlxSurface> surface(new GlxSurface(display, width, height));
  const int attributes[] = {GLX_PBUFFER_WIDTH, width, GLX_PBUFFER_HEIGHT, height, None};
  surface->pbuffer_ = glXCreatePbuffer(display, config, attributes);
  if (surface->pbuffer_ == 0) {
    std::fputs("vorn: cannot create an off-screen OpenGL surface\n", stderr);
    return nullptr;
  }
  surface->drawable_ = surface->pbuffer_;
  if (!surface->MakeCurrent(config)) return nullptr;
  return surface;
}

bool GlxSurface::MakeCurrent(GLXFBConfig config) {
  context_ = glXCreateNewContext(display_, config, GLX_RGBA_TYPE, nullptr, True);
  if (context_ == nullptr || !glXMakeContextCurrent(display_, drawable_, drawable_, context_)) {
    std::fputs("vorn: cannot create an OpenGL context\n", stderr);
    return false;
  }
  return true;
}

GlxSurface::~GlxSurface() {
  if (context_ != nullptr) {
    glXMakeContextCurrent(display_, None, None, nullptr);
    glXDestroyContext(display_, context_);
  }
  if (pbuffer_ != 0) glXDestroyPbuffer(display_, pbuffer_);
  if (window_ != 0) XDestroyWindow(display_, window_);
  if (colormap_ != 0) XFreeColormap(display_, colormap_);
}
