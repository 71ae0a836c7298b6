// What a frame looks like: sky, floor and shadows in each look and at each detail level.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "scene/frame.h"
#include "scene/scene_state.h"
#include "scene/sky.h"
#include "tests/gl/gl_scene.h"

namespace {
// Seed 1 starts in the day look, seed 0 in the night look; at this moment the
// top right corner shows sky and the bottom right corner the floor near the camera.
constexpr std::uint32_t kDaySeed = 1;
constexpr std::uint32_t kNightSeed = 0;
constexpr std::uint32_t kMoment = 7854;
const Rgb kDaySky = {236, 236, 236};
const Rgb kBlack = {0, 0, 0};
constexpr int kRight = kSurfaceWidth - 1;
constexpr int kBottom = kSurfaceHeight - 1;

bool IsNeutral(const Rgb& p) { return std::abs(p[0] - p[1]) <= 1 && std::abs(p[1] - p[2]) <= 1; }

std::vector<Rgb> AllPixels() {
  std::vector<Rgb> pixels;
  for (int y = 0; y < kSurfaceHeight; y += 2) {
    for (int x = 0; x < kSurfaceWidth; x += 2) pixels.push_back(PixelAt(x, y));
  }
  return pixels;
}

// By day a shadow darkens the white floor or the light sky to a grey that
// nothing else in the scene has.
bool IsDayShadow(const Rgb& p) { return IsNeutral(p) && p[0] < kDaySky[0] - 10; }

class Pixels : public ::testing::Test {
 protected:
  void DrawFrameAt(std::uint32_t seed, int detail) {
    platform.milliseconds = kMoment;
    StartScene(platform, seed, detail);
    DrawFrame();
  }
  // The same frame in a chosen look: every start value is as the seed draws it.
  void DrawFrameInLook(std::uint32_t seed, int detail, std::uint8_t daylight) {
    platform.milliseconds = kMoment;
    StartScene(platform, seed, detail);
    sceneState.daylight = daylight;
    ApplySkyAndFog();
    DrawFrame();
  }
  FakePlatform platform;
};
}  // namespace

TEST_F(Pixels, SkyIsLightGreyByDayAndBlackByNight) {
  DrawFrameAt(kDaySeed, 2);
  EXPECT_EQ(PixelAt(kRight, 0), kDaySky);
  DrawFrameAt(kNightSeed, 2);
  EXPECT_EQ(PixelAt(kRight, 0), kBlack);
  ToggleDaylight();
  DrawFrame();
  EXPECT_EQ(PixelAt(kRight, 0), kDaySky);
}

TEST_F(Pixels, FloorIsWhiteByDayRedBrownByNightAndAbsentAtLow) {
  DrawFrameInLook(kDaySeed, 2, 1);
  EXPECT_EQ(PixelAt(kRight, kBottom), (Rgb{255, 255, 255}));
  DrawFrameInLook(kDaySeed, 1, 0);
  const Rgb night = PixelAt(kRight, kBottom);
  EXPECT_GT(night[0], night[1] + 5) << "red-brown";
  EXPECT_NEAR(night[1], night[2], 2);
  EXPECT_LT(night[0], 80) << "dark";
  DrawFrameInLook(kDaySeed, 0, 1);
  EXPECT_EQ(PixelAt(kRight, kBottom), kDaySky);
  DrawFrameInLook(kDaySeed, 0, 0);
  EXPECT_EQ(PixelAt(kRight, kBottom), kBlack);
}

TEST_F(Pixels, ShadowsFallAtMiddleAndHighButNotAtLow) {
  auto shadows = [] {
    int count = 0;
    for (const Rgb& p : AllPixels()) count += IsDayShadow(p) ? 1 : 0;
    return count;
  };
  DrawFrameAt(kDaySeed, 0);
  EXPECT_EQ(shadows(), 0);
  for (int detail : {1, 2}) {
    DrawFrameAt(kDaySeed, detail);
    EXPECT_GT(shadows(), 200) << "detail " << detail;
  }
}

TEST_F(Pixels, NightShadowsAreOpaqueBlack) {
  DrawFrameInLook(kDaySeed, 2, 1);
  const std::vector<Rgb> day = AllPixels();
  DrawFrameInLook(kDaySeed, 2, 0);
  const std::vector<Rgb> night = AllPixels();
  int shadows = 0;
  for (size_t i = 0; i < day.size(); ++i) {
    if (!IsDayShadow(day[i])) continue;
    ++shadows;
    EXPECT_EQ(night[i], kBlack) << "pixel " << i;
  }
  EXPECT_GT(shadows, 200);
}

TEST_F(Pixels, SculptureGlowsWarmByDayAndDimByNight) {
  auto warmest = [] {
    int best = 0;
    for (const Rgb& p : AllPixels()) best = std::max(best, p[0] - p[2]);
    return best;
  };
  DrawFrameInLook(kDaySeed, 2, 1);
  const int day = warmest();
  DrawFrameInLook(kDaySeed, 2, 0);
  const int night = warmest();
  EXPECT_GT(day, 60);
  EXPECT_GT(night, 10);
}
