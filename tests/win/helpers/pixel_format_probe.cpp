// Test helper: sets the saver's pixel format on a window of its own and
// prints "depth N gl M": the depth bits that DescribePixelFormat reports, and
// those of an OpenGL context made on it. Exits with 1 if the format fails.
#include <windows.h>

#include <GL/gl.h>

#include <cstdio>

#include "shell/win32/pixel_format.h"

int main() {
  HWND window = CreateWindowExA(0, "STATIC", "pixel format probe", WS_POPUP, 0, 0, 64, 64, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  HDC dc = GetDC(window);
  PIXELFORMATDESCRIPTOR format{};
  if (SetSaverPixelFormat(dc, format) != PixelFormatResult::kSet) {
    std::fprintf(stderr, "pixel_format_probe: the format was not set\n");
    return 1;
  }
  HGLRC context = wglCreateContext(dc);
  wglMakeCurrent(dc, context);
  GLint depthBits = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  std::printf("depth %d gl %d\n", format.cDepthBits, depthBits);
  wglMakeCurrent(nullptr, nullptr);
  wglDeleteContext(context);
  ReleaseDC(window, dc);
  DestroyWindow(window);
  return 0;
}
