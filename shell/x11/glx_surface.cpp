// Choosing a GLX configuration with a depth buffer, and the surfaces on it.
#include "shell/x11/glx_surface.h"

#include <X11/Xutil.h>

#include "shell/startup_trace.h"
#include "shell/x11/x_errors.h"

namespace {
// The configurations that fit the scene and can draw on this kind of drawable, best first;
// null when there are none. The caller frees the list with XFree.
GLXFBConfig* FittingConfigs(Display* display, int screen, int drawableType, int& count) {
  // The main pass depth-tests, so a depth buffer is always asked for by name.
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
  count = 0;
  GLXFBConfig* configs = glXChooseFBConfig(display, screen, attributes, &count);
  if (configs == nullptr || count == 0) {
    if (configs != nullptr) XFree(configs);
    count = 0;
    return nullptr;
  }
  return configs;
}

bool ChooseConfig(Display* display, int screen, int drawableType, GLXFBConfig& chosen) {
  int count = 0;
  GLXFBConfig* configs = FittingConfigs(display, screen, drawableType, count);
  if (configs == nullptr) {
    ReportFailure(display,
                  "vorn: no OpenGL configuration with a depth buffer and double buffering\n");
    return false;
  }
  chosen = configs[0];
  XFree(configs);
  return true;
}

// A fitting configuration whose X visual is this one; false if there is none.
bool ConfigForVisual(Display* display, int screen, VisualID visual, GLXFBConfig& chosen) {
  int count = 0;
  GLXFBConfig* configs = FittingConfigs(display, screen, GLX_WINDOW_BIT, count);
  bool found = false;
  for (int i = 0; i < count && !found; ++i) {
    int id = 0;
    if (glXGetFBConfigAttrib(display, configs[i], GLX_VISUAL_ID, &id) == Success &&
        static_cast<VisualID>(id) == visual) {
      chosen = configs[i];
      found = true;
    }
  }
  if (configs != nullptr) XFree(configs);
  return found;
}
}  // namespace

std::unique_ptr<GlxSurface> GlxSurface::ForNewWindow(Display* display, Window parent, int width,
                                                     int height, const NewWindowOptions& options) {
  XWindowAttributes parentAttributes{};
  if (XGetWindowAttributes(display, parent, &parentAttributes) == 0) return nullptr;
  const int screen = XScreenNumberOfScreen(parentAttributes.screen);
  GLXFBConfig config;
  if (!ChooseConfig(display, screen, GLX_WINDOW_BIT, config)) return nullptr;
  XVisualInfo* visual = glXGetVisualFromFBConfig(display, config);
  if (visual == nullptr) {
    ReportFailure(display, "vorn: the OpenGL configuration has no X visual\n");
    return nullptr;
  }
  std::unique_ptr<GlxSurface> surface(new GlxSurface(display, width, height));
  // The parent's visual may differ from ours, so the window brings its own colormap.
  surface->colormap_ =
      XCreateColormap(display, RootWindow(display, screen), visual->visual, AllocNone);
  XSetWindowAttributes attributes{};
  attributes.colormap = surface->colormap_;
  attributes.background_pixel = BlackPixel(display, screen);
  attributes.border_pixel = 0;
  attributes.override_redirect = options.overrideRedirect ? True : False;
  attributes.event_mask = options.eventMask;
  surface->ownWindow_ = XCreateWindow(
      display, parent, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
      visual->depth, InputOutput, visual->visual,
      CWColormap | CWBackPixel | CWBorderPixel | CWOverrideRedirect | CWEventMask, &attributes);
  XFree(visual);
  // Watched from its first request on: its parent may go, and take it along, at any time.
  WatchWindow(surface->ownWindow_);
  surface->drawable_ = surface->ownWindow_;
  if (!surface->MakeCurrent(config)) return nullptr;
  return surface;
}

std::unique_ptr<GlxSurface> GlxSurface::ForExistingWindow(Display* display, Window window,
                                                          const XWindowAttributes& attributes) {
  GLXFBConfig config;
  if (!ConfigForVisual(display, XScreenNumberOfScreen(attributes.screen),
                       XVisualIDFromVisual(attributes.visual), config)) {
    return nullptr;
  }
  std::unique_ptr<GlxSurface> surface(new GlxSurface(display, attributes.width, attributes.height));
  surface->drawable_ = window;
  if (!surface->MakeCurrent(config)) return nullptr;
  return surface;
}

std::unique_ptr<GlxSurface> GlxSurface::ForPbuffer(Display* display, int width, int height) {
  GLXFBConfig config;
  if (!ChooseConfig(display, DefaultScreen(display), GLX_PBUFFER_BIT, config)) return nullptr;
  std::unique_ptr<GlxSurface> surface(new GlxSurface(display, width, height));
  const int attributes[] = {GLX_PBUFFER_WIDTH, width, GLX_PBUFFER_HEIGHT, height, None};
  surface->pbuffer_ = glXCreatePbuffer(display, config, attributes);
  if (surface->pbuffer_ == 0) {
    ReportFailure(display, "vorn: cannot create an off-screen OpenGL surface\n");
    return nullptr;
  }
  surface->drawable_ = surface->pbuffer_;
  if (!surface->MakeCurrent(config)) return nullptr;
  return surface;
}

bool GlxSurface::MakeCurrent(GLXFBConfig config) {
  context_ = glXCreateNewContext(display_, config, GLX_RGBA_TYPE, nullptr, True);
  if (context_ == nullptr || !glXMakeContextCurrent(display_, drawable_, drawable_, context_)) {
    // A window that went meanwhile is a normal end, not a failure to report.
    if (!WatchedWindowGone()) ReportFailure(display_, "vorn: cannot create an OpenGL context\n");
    return false;
  }
  TraceStartupStep("context");
  return true;
}

GlxSurface::~GlxSurface() {
  if (context_ != nullptr) {
    glXMakeContextCurrent(display_, None, None, nullptr);
    glXDestroyContext(display_, context_);
  }
  if (pbuffer_ != 0) glXDestroyPbuffer(display_, pbuffer_);
  if (ownWindow_ != 0) XDestroyWindow(display_, ownWindow_);
  if (colormap_ != 0) XFreeColormap(display_, colormap_);
}
