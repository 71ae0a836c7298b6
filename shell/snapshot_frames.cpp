#include "shell/snapshot_frames.h"

#include "scene/frame.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "scene/sky.h"

namespace {
constexpr std::uint32_t kFrameMilliseconds = 16;
}  // namespace

std::uint32_t SnapshotPlatform::Milliseconds() {
  return milliseconds_ ? *milliseconds_ : live_.Milliseconds();
}

bool SnapshotPlatform::LocalTimeOfDay(TimeOfDay& time) {
  if (!clock_) return live_.LocalTimeOfDay(time);
  time = *clock_;
  return true;
}

bool SnapshotPlatform::ReadBitmap(int id, BitmapPixels& bitmap) {
  return live_.ReadBitmap(id, bitmap);
}

void SnapshotPlatform::NextFrame() {
  if (milliseconds_) *milliseconds_ += kFrameMilliseconds;
}

void StartSnapshotFrames(const SnapshotOptions& options, SnapshotPlatform& platform,
                         std::uint32_t liveSeed) {
  InstallScenePlatform(platform);
  SeedRandom(options.seed ? *options.seed : liveSeed);
  detailLevel = options.detail;
  fullSizeTextures = 1;
  SetupView(options.width, options.height);
  if (options.daylight) {
    // The look was drawn all the same, so every later draw stays as without the option.
    sceneState.daylight = *options.daylight;
    ApplySkyAndFog();
  }
}

void DrawSnapshotFrame(SnapshotPlatform& platform, int frame) {
  if (frame > 0) platform.NextFrame();
  DrawFrame();
}

bool DrawSnapshotFrames(const SnapshotOptions& options, SnapshotPlatform& platform,
                        std::uint32_t liveSeed, bool (*goOn)()) {
  StartSnapshotFrames(options, platform, liveSeed);
  for (int frame = 0; frame < options.frames; ++frame) {
    if (!goOn()) return false;
    DrawSnapshotFrame(platform, frame);
  }
  return true;
}
