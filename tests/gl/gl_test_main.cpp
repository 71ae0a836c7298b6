// Runs the GL tests with one real off-screen context on the test run's X display.
#include <gtest/gtest.h>

#include <cstdio>

#include "shell/x11/glx_surface.h"
#include "tests/gl/gl_scene.h"

// Mesa's driver is unloaded before the leak check runs, so its allocations can
// neither be attributed nor suppressed: the GL tests check memory errors, not
// leaks. Set in the program, every way of starting it (test discovery too) gets it.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("GL tests need an X display (run them through scripts/with-display)\n", stderr);
    return 1;
  }
  auto surface = GlxSurface::ForPbuffer(display, kSurfaceWidth, kSurfaceHeight);
  if (!surface) return 1;
  const int result = RUN_ALL_TESTS();
  surface.reset();
  XCloseDisplay(display);
  return result;
}
