// Runs the GL tests with one real off-screen context on the test run's X display.
#include <gtest/gtest.h>

#include <cstdio>

#include "scene/shapes.h"
#include "shell/x11/glx_surface.h"
#include "tests/gl/gl_scene.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("GL tests need an X display (run them through scripts/with-display)\n", stderr);
    return 1;
  }
  InitShapes();
  auto surface = GlxSurface::ForPbuffer(display, kSurfaceWidth, kSurfaceHeight);
  if (!surface) return 1;
  const int result = RUN_ALL_TESTS();
  surface.reset();
  XCloseDisplay(display);
  return result;
}
