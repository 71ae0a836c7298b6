// An OpenGL context with a depth buffer on an X window or an off-screen
// pbuffer. Set-up is undone in reverse order, also when a step fails.
#pragma once

#include <GL/glx.h>
#include <X11/Xlib.h>

#include <memory>

class GlxSurface {
 public:
  // A top-level window of the given size; it is not mapped yet.
  static std::unique_ptr<GlxSurface> ForNewWindow(Display* display, int width, int height,
                                                  bool overrideRedirect);
  // An off-screen surface for rendering without showing anything.
  static std::unique_ptr<GlxSurface> ForPbuffer(Display* display, int width, int height);
  ~GlxSurface();

  GlxSurface(const GlxSurface&) = delete;
  GlxSurface& operator=(const GlxSurface&) = delete;

  Display* display() const { return display_; }
  Window window() const { return window_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void SwapBuffers() { glXSwapBuffers(display_, drawable_); }

 private:
  GlxSurface(Display* display, int width, int height)
      : display_(display), width_(width), height_(height) {}
  bool MakeCurrent(GLXFBConfig config);

  Display* display_;
  int width_;
  int height_;
  Window window_ = 0;
  Colormap colormap_ = 0;
  GLXPbuffer pbuffer_ = 0;
  GLXDrawable drawable_ = 0;
  GLXContext context_ = nullptr;
};
