// Draws the layer probes with the system's OpenGL (Mesa's fixed function) on
// an off-screen GLX surface with a stencil buffer, and writes each picture as
// DIR/<index>-<name>.png. Usage: vorn_native_probes DIR
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <stb/stb_image_write.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/web/probes/layer_probes.h"

namespace {
bool MakeContext(Display* display) {
  const int attributes[] = {GLX_DRAWABLE_TYPE,
                            GLX_PBUFFER_BIT,
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
                            GLX_STENCIL_SIZE,
                            8,
                            None};
  int count = 0;
  GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
  if (configs == nullptr || count == 0) return false;
  const int size[] = {GLX_PBUFFER_WIDTH, kProbeSize, GLX_PBUFFER_HEIGHT, kProbeSize, None};
  const GLXPbuffer pbuffer = glXCreatePbuffer(display, configs[0], size);
  const GLXContext context = glXCreateNewContext(display, configs[0], GLX_RGBA_TYPE, nullptr, True);
  XFree(configs);
  return context != nullptr && glXMakeContextCurrent(display, pbuffer, pbuffer, context);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: vorn_native_probes DIR\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr || !MakeContext(display)) {
    std::fputs("vorn_native_probes: no OpenGL context with a stencil buffer\n", stderr);
    return 1;
  }
  std::vector<unsigned char> pixels(kProbeSize * kProbeSize * 4);
  stbi_flip_vertically_on_write(1);
  for (int i = 0; i < kLayerProbeCount; ++i) {
    kLayerProbes[i].draw();
    glReadPixels(0, 0, kProbeSize, kProbeSize, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    const std::string path =
        std::string(argv[1]) + "/" + std::to_string(i) + "-" + kLayerProbes[i].name + ".png";
    if (glGetError() != GL_NO_ERROR || stbi_write_png(path.c_str(), kProbeSize, kProbeSize, 4,
                                                      pixels.data(), kProbeSize * 4) == 0) {
      std::fprintf(stderr, "vorn_native_probes: cannot draw or write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
