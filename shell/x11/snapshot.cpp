#include "shell/x11/snapshot.h"

#include <GL/gl.h>
#include <stb/stb_image_write.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/linux/linux_platform.h"
#include "shell/linux/replace_file.h"
#include "shell/snapshot_frames.h"
#include "shell/x11/glx_surface.h"

namespace {
void AppendBytes(void* context, void* data, int size) {
  auto& bytes = *static_cast<std::vector<unsigned char>*>(context);
  const auto* first = static_cast<const unsigned char*>(data);
  bytes.insert(bytes.end(), first, first + size);
}

// The picture is encoded in memory first, so that the file is written whole or not at all.
bool WritePng(const SnapshotOptions& options, std::string& reason) {
  std::vector<unsigned char> pixels(static_cast<size_t>(options.width) * options.height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, options.width, options.height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  // OpenGL's rows run bottom to top, a PNG's top to bottom.
  stbi_flip_vertically_on_write(1);
  std::vector<unsigned char> png;
  if (stbi_write_png_to_func(AppendBytes, &png, options.width, options.height, 3, pixels.data(),
                             options.width * 3) == 0) {
    reason = "cannot encode the picture";
    return false;
  }
  return ReplaceFile(options.path, png.data(), png.size(), reason);
}

// Xlib ends the process when this returns, so it ends it itself, with one line
// instead of Xlib's own, and before a picture of a dead display is written.
int OnDisplayLost(Display*) {
  std::fputs("vorn: lost the connection to the X display; no picture written\n", stderr);
  std::_Exit(1);
}

Display* snapshotDisplay = nullptr;

// A server that has gone shows only when the connection is used.
void SyncDisplay() { XSync(snapshotDisplay, False); }

// Once the picture is written, a display that goes away has nothing left to spoil.
int OnDisplayLostAfterWriting(Display*) { std::_Exit(0); }
}  // namespace

int RunSnapshot(Display* display, const SnapshotOptions& options) {
  XSetIOErrorHandler(OnDisplayLost);
  auto surface = GlxSurface::ForPbuffer(display, options.width, options.height);
  if (!surface) return 1;
  LinuxPlatform live;
  SnapshotPlatform platform(options, live);
  snapshotDisplay = display;
  DrawSnapshotFrames(options, platform, StartupSeed(), SyncDisplay);
  glFinish();
  std::string reason;
  if (!WritePng(options, reason)) {
    std::fprintf(stderr, "vorn: cannot write %s: %s\n", options.path.c_str(), reason.c_str());
    return 1;
  }
  XSetIOErrorHandler(OnDisplayLostAfterWriting);
  return 0;
}
