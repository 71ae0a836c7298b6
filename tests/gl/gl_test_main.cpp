// Runs the GL tests with one real off-screen context on the test run's X display.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "shell/x11/glx_surface.h"
#include "tests/gl/gl_scene.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("GL tests need an X display (run them through scripts/with-display)\n", stderr);
    return 1;
  }
  int glutArgc = 1;
  char name[] = "vorn_gl_tests";
  char* glutArgv[] = {name, nullptr};
  glutInit(&glutArgc, glutArgv);
  auto surface = GlxSurface::ForPbuffer(display, kSurfaceWidth, kSurfaceHeight);
  if (!surface) return 1;
  const int result = RUN_ALL_TESTS();
  surface.reset();
  XCloseDisplay(display);
  return result;
}
