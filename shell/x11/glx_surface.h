// An OpenGL context with a depth buffer on an X window or an off-screen
// pbuffer. Set-up is undone in reverse order, also when a step fails.
#pragma once

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <memory>

struct NewWindowOptions {
  bool overrideRedirect = false;  // placed by us, not by a window manager
  long eventMask = 0;
};

class GlxSurface {
 public:
  // A new window of our own configuration at (0, 0) in parent; it is not
  // mapped yet, and an X error about it counts as its destruction.
  static std::unique_ptr<GlxSurface> ForNewWindow(Display* display, Window parent, int width,
                                                  int height, const NewWindowOptions& options);
  // Draws straight on a window of someone else's. Empty, and quiet, when the
  // window's visual lacks the depth buffer or double buffering the scene needs.
  static std::unique_ptr<GlxSurface> ForExistingWindow(Display* display, Window window,
                                                       const XWindowAttributes& attributes);
  // An off-screen surface for rendering without showing anything.
  static std::unique_ptr<GlxSurface> ForPbuffer(Display* display, int width, int height);
  ~GlxSurface();

  GlxSurface(const GlxSurface&) = delete;
  GlxSurface& operator=(const GlxSurface&) = delete;

  Display* display() const { return display_; }
  // The window drawn on; 0 for a pbuffer.
  Window window() const { return drawable_ == pbuffer_ ? 0 : drawable_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void SwapBuffers() { glXSwapBuffers(display_, drawable_); }
  // The window was destroyed by someone else: it is not destroyed again at the end.
  void ForgetWindow() { ownWindow_ = 0; }

 private:
  GlxSurface(Display* display, int width, int height)
      : display_(display), width_(width), height_(height) {}
  bool MakeCurrent(GLXFBConfig config);

  Display* display_;
  int width_;
  int height_;
  Window ownWindow_ = 0;
  Colormap colormap_ = 0;
  GLXPbuffer pbuffer_ = 0;
  GLXDrawable drawable_ = 0;
  GLXContext context_ = nullptr;
};
