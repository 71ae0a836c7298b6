#include "shell/x11/snapshot.h"

#include <GL/gl.h>
#include <stb/stb_image_write.h>

#include <cstdio>
#include <vector>

#include "scene/frame.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "scene/sky.h"
#include "shell/x11/glx_surface.h"
#include "shell/x11/linux_platform.h"

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

bool WritePng(const SnapshotOptions& options) {
  std::vector<unsigned char> pixels(static_cast<size_t>(options.width) * options.height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, options.width, options.height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  // OpenGL's rows run bottom to top, a PNG's top to bottom.
  stbi_flip_vertically_on_write(1);
  return stbi_write_png(options.path.c_str(), options.width, options.height, 3, pixels.data(),
                        options.width * 3) != 0;
}
}  // namespace

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
  }
  glFinish();
  if (!WritePng(options)) {
    std::fprintf(stderr, "vorn: cannot write %s\n", options.path.c_str());
    return 1;
  }
  return 0;
}
