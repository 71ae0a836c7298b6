#include "scene/scene_state.h"

#include <gtest/gtest.h>

#include <climits>

#include "scene/clock.h"
#include "scene/random.h"

namespace {
void Start(std::uint32_t seed, int detail) {
  sceneState = SceneState{};
  detailLevel = detail;
  SeedRandom(seed);
  ResetSceneState();
}
}  // namespace

TEST(SceneStateStart, SeedOneGivesTheDayStart) {
  Start(1, 2);
  EXPECT_EQ(sceneState.daylight, 1);
  EXPECT_FLOAT_EQ(sceneState.yawDrift, 0.0323f);
  EXPECT_EQ(sceneState.pitch, 14.0f);
  EXPECT_EQ(sceneState.yaw, 180.0f);
  EXPECT_EQ(sceneState.zoom, -40.0f);
  // The fifth draw is left for the first frame.
  EXPECT_EQ(NextRandom(), 19169);
}

TEST(SceneStateStart, SeedZeroGivesTheNightStart) {
  Start(0, 2);
  EXPECT_EQ(sceneState.daylight, 0);
  EXPECT_FLOAT_EQ(sceneState.yawDrift, -0.0589f);
  EXPECT_EQ(sceneState.pitch, 18.0f);
  EXPECT_EQ(sceneState.yaw, 197.0f);
}

TEST(SceneStateStart, DriftDrawOfFiftyGivesNoDrift) {
  Start(116, 2);  // second draw 9350
  EXPECT_EQ(sceneState.yawDrift, 0.0f);
}

TEST(SceneStateStart, LeavesInertiaClockAndFollowersAlone) {
  sceneState = SceneState{};
  sceneState.pitchVelocity = 2.0f;
  sceneState.yawImpulse = 3.0f;
  sceneState.sceneTime = 4.0;
  sceneState.clockYaw = 5.0f;
  SeedRandom(1);
  ResetSceneState();
  EXPECT_EQ(sceneState.pitchVelocity, 2.0f);
  EXPECT_EQ(sceneState.yawImpulse, 3.0f);
  EXPECT_EQ(sceneState.sceneTime, 4.0);
  EXPECT_EQ(sceneState.clockYaw, 5.0f);
}

TEST(SceneStateStart, TessellationFollowsTheDetailLevel) {
  struct Case {
    int detail;
    float scale;
    int sides;
    int rings;
  };
  // Values outside the known levels tessellate as Low, while the scale follows its formula.
  for (const Case& c : {Case{0, 0.5f, 4, 12}, Case{1, 0.75f, 5, 14}, Case{2, 1.0f, 6, 40},
                        Case{5, 1.75f, 4, 12}, Case{-1, 0.25f, 4, 12}}) {
    Start(1, c.detail);
    EXPECT_EQ(sceneState.detailScale, c.scale) << "detail " << c.detail;
    EXPECT_EQ(sceneState.torusSides, c.sides) << "detail " << c.detail;
    EXPECT_EQ(sceneState.torusRings, c.rings) << "detail " << c.detail;
  }
}

TEST(SceneStateStart, SpheresKeepTheFormulasSlicesUpToSixtyFour) {
  struct Case {
    int detail;
    int slices;
  };
  for (const Case& c :
       {Case{0, 11}, Case{2, 22}, Case{5, 38}, Case{9, 60}, Case{10, 64}, Case{10000, 64},
        Case{INT_MAX, 64}, Case{-1, 5}, Case{-2, 0}, Case{INT_MIN, 0}}) {
    Start(1, c.detail);
    EXPECT_EQ(SphereSlices(sceneState.detailScale), c.slices) << "detail " << c.detail;
  }
}

TEST(ViewControls, ZoomStaysBetweenFarthestAndNearest) {
  struct Case {
    int dx;
    int dy;
    float expected;
  };
  for (const Case& c : {Case{1000, 0, 0.0f}, Case{-1000, 0, -150.0f}, Case{3, -3, -40.0f},
                        Case{-524, 0, -150.0f}, Case{10, 0, -37.9f}}) {
    sceneState.zoom = -40.0f;
    ZoomView(c.dx, c.dy);
    EXPECT_FLOAT_EQ(sceneState.zoom, c.expected) << c.dx << ", " << c.dy;
  }
}

TEST(ViewControls, ZoomSumWrapsInsteadOfOverflowing) {
  sceneState.zoom = -40.0f;
  ZoomView(INT_MAX, 1);  // wraps to the most negative sum: as far away as it goes
  EXPECT_EQ(sceneState.zoom, -150.0f);
}

TEST(ViewControls, RotateAccumulatesPitchAndReplacesYawImpulse) {
  sceneState = SceneState{};
  sceneState.pitchVelocity = 1.0f;
  RotateView(10, 4);
  RotateView(2, 4);
  EXPECT_FLOAT_EQ(sceneState.yawImpulse, 0.542f);
  EXPECT_FLOAT_EQ(sceneState.pitchVelocity, 1.0f + 1.448f);
}
