// What a frame looks like: the sky of each look and the shadows of each detail level.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "scene/frame.h"
#include "scene/scene_state.h"
#include "scene/sky.h"
#include "tests/gl/gl_scene.h"

namespace {
// Seed 1 starts in the day look, seed 0 in the night look.
constexpr std::uint32_t kDaySeed = 1;
constexpr std::uint32_t kNightSeed = 0;
const Rgb kDaySky = {236, 236, 236};

// Neutral grey pixels darker than the day sky: the translucent black of shadows.
int CountShadowPixels() {
  int count = 0;
  for (int y = 0; y < kSurfaceHeight; y += 2) {
    for (int x = 0; x < kSurfaceWidth; x += 2) {
      const Rgb p = PixelAt(x, y);
      const bool neutral = std::abs(p[0] - p[1]) <= 1 && std::abs(p[1] - p[2]) <= 1;
      if (neutral && p[0] < kDaySky[0] - 3) ++count;
    }
  }
  return count;
}

class Pixels : public ::testing::Test {
 protected:
  void DrawFrameAt(std::uint32_t seed, int detail, std::uint32_t milliseconds) {
    platform.milliseconds = milliseconds;
    StartScene(platform, seed, detail);
    DrawFrame();
  }
  FakePlatform platform;
};
}  // namespace

TEST_F(Pixels, SkyIsLightGreyByDayAndBlackByNight) {
  DrawFrameAt(kDaySeed, 2, 7854);
  EXPECT_EQ(PixelAt(kSurfaceWidth - 1, kSurfaceHeight - 1), kDaySky);
  DrawFrameAt(kNightSeed, 2, 7854);
  EXPECT_EQ(PixelAt(kSurfaceWidth - 1, kSurfaceHeight - 1), (Rgb{0, 0, 0}));
  ToggleDaylight();
  DrawFrame();
  EXPECT_EQ(PixelAt(kSurfaceWidth - 1, kSurfaceHeight - 1), kDaySky);
}

TEST_F(Pixels, ShadowsFallAtMiddleAndHighButNotAtLow) {
  DrawFrameAt(kDaySeed, 0, 7854);
  EXPECT_EQ(CountShadowPixels(), 0);
  for (int detail : {1, 2}) {
    DrawFrameAt(kDaySeed, detail, 7854);
    EXPECT_GT(CountShadowPixels(), 500) << "detail " << detail;
  }
}

TEST_F(Pixels, SculptureGlowsWarmByDayAndDimByNight) {
  // The brightest warm pixel: the sculpture's emission under the lights.
  auto warmest = [] {
    int best = 0;
    for (int y = 0; y < kSurfaceHeight; y += 2) {
      for (int x = 0; x < kSurfaceWidth; x += 2) {
        const Rgb p = PixelAt(x, y);
        if (p[0] - p[2] > best) best = p[0] - p[2];
      }
    }
    return best;
  };
  DrawFrameAt(kDaySeed, 2, 7854);
  EXPECT_GT(warmest(), 40);
  DrawFrameAt(kNightSeed, 2, 7854);
  EXPECT_GT(warmest(), 10);
}
