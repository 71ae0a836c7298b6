#include "shell/x11/snapshot.h"

#include <GL/gl.h>
#include <stb/stb_image_write.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "scene/frame.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "scene/sky.h"
#include "shell/linux/linux_platform.h"
#include "shell/linux/replace_file.h"
#include "shell/x11/glx_surface.h"
#include "shell/x11/x_errors.h"

namespace {
constexpr std::uint32_t kFrameMilliseconds = 16;

// The live platform, with the counter and the clock fixed where the options say so.
class SnapshotPlatform : public ScenePlatform {
 public:
  explicit SnapshotPlatform(const SnapshotOptions& options)
      : milliseconds_(options.milliseconds), clock_(options.clock) {}

  std::uint32_t Milliseconds() override {
    return milliseconds_ ? *milliseconds_ : live_.Milliseconds();
  }
  bool LocalTimeOfDay(TimeOfDay& time) override {
    if (!clock_) return live_.LocalTimeOfDay(time);
    time = *clock_;
    return true;
  }
  bool ReadBitmap(int id, BitmapPixels& bitmap) override { return live_.ReadBitmap(id, bitmap); }
  void NextFrame() {
    if (milliseconds_) *milliseconds_ += kFrameMilliseconds;
  }

 private:
  LinuxPlatform live_;
  std::optional<std::uint32_t> milliseconds_;
  std::optional<TimeOfDay> clock_;
};

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
}  // namespace

// Before a picture of a dead display is written.
void EndSnapshotOnLostConnection() {
  EndOnLostConnection("vorn: lost the connection to the X display; no picture written\n", 1);
}

int RunSnapshot(Display* display, const SnapshotOptions& options) {
  auto surface = GlxSurface::ForPbuffer(display, options.width, options.height);
  if (!surface) return 1;
  SnapshotPlatform platform(options);
  InstallScenePlatform(platform);
  SeedRandom(options.seed ? *options.seed : StartupSeed());
  detailLevel = options.detail;
  fullSizeTextures = 1;
  SetupView(options.width, options.height);
  if (options.daylight) {
    // The look was drawn all the same, so every later draw stays as without the option.
    sceneState.daylight = *options.daylight;
    ApplySkyAndFog();
  }
  for (int frame = 0; frame < options.frames; ++frame) {
    if (frame > 0) platform.NextFrame();
    DrawFrame();
    // A server that has gone shows only when the connection is used.
    XSync(display, False);
  }
  glFinish();
  std::string reason;
  if (!WritePng(options, reason)) {
    std::fprintf(stderr, "vorn: cannot write %s: %s\n", options.path.c_str(), reason.c_str());
    return 1;
  }
  // Once the picture is written, a display that goes away has nothing left to spoil.
  EndOnLostConnection("", 0);
  return 0;
}
