#include "scene/frame_motion.h"

#include <gtest/gtest.h>

#include "scene/random.h"
#include "scene/scene_state.h"
#include "tests/support/fake_platform.h"

namespace {
class FrameMotionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallScenePlatform(platform);
    sceneState = SceneState{};
    detailLevel = 2;
    SeedRandom(1);
    ResetSceneState();
  }
  FakePlatform platform;
};
}  // namespace

TEST_F(FrameMotionTest, FirstFrameOfSeedOnePlacesTheCamera) {
  const FrameMotion motion = AdvanceSceneState();
  EXPECT_NEAR(motion.cameraDistance, -33.5469f, 1e-4);
  EXPECT_NEAR(sceneState.cameraTilt, 18.8318f, 1e-4);
  EXPECT_FLOAT_EQ(motion.sceneTurn, 180.0323f);
  EXPECT_DOUBLE_EQ(sceneState.sceneTime, 19169.0 + 0.00482);
}

TEST_F(FrameMotionTest, SceneTimeIsDrawnOnlyOnce) {
  AdvanceSceneState();
  const double afterFirst = sceneState.sceneTime;
  AdvanceSceneState();
  EXPECT_DOUBLE_EQ(sceneState.sceneTime, afterFirst + 0.00482);
}

TEST_F(FrameMotionTest, DragInertiaDecaysAndYawImpulseTurnsTheSceneOneFrameLate) {
  AdvanceSceneState();
  const float yawBefore = sceneState.yaw;
  RotateView(10, 10);  // yawImpulse 2.71, pitchVelocity 1.81
  const FrameMotion dragged = AdvanceSceneState();
  EXPECT_FLOAT_EQ(dragged.sceneTurn, yawBefore + sceneState.yawDrift);
  EXPECT_FLOAT_EQ(sceneState.yaw, dragged.sceneTurn + 2.71f);
  EXPECT_FLOAT_EQ(sceneState.yawImpulse, 2.71f * 0.93f);
  EXPECT_FLOAT_EQ(sceneState.pitchVelocity, 1.81f * 0.93f);
  EXPECT_FLOAT_EQ(sceneState.pitch, 14.0f + 1.81f);
  const FrameMotion next = AdvanceSceneState();
  EXPECT_FLOAT_EQ(next.sceneTurn, dragged.sceneTurn + 2.71f + sceneState.yawDrift);
}

TEST_F(FrameMotionTest, SwingPhaseFollowsTheCounterAtPiPerSecond) {
  platform.milliseconds = 1000;
  AdvanceSceneState();
  EXPECT_FLOAT_EQ(sceneState.swingPhase, 3.141593f);
  platform.milliseconds = 0xFFFFFFFFu;  // the largest count, just before the wrap
  AdvanceSceneState();
  EXPECT_NEAR(sceneState.swingPhase, 4294967.295 * 3.141593, 1.0);
  platform.milliseconds = 0;
  AdvanceSceneState();
  EXPECT_EQ(sceneState.swingPhase, 0.0f);
}

TEST_F(FrameMotionTest, ClockShowsTwelveHoursAndKeepsItsReadingWhenTimeFails) {
  struct Case {
    TimeOfDay time;
    float hour;
  };
  for (const Case& c : {Case{{15, 0, 0}, 3.0f}, Case{{12, 30, 0}, 0.0f}, Case{{0, 0, 0}, 0.0f},
                        Case{{23, 59, 59}, 11.0f}}) {
    platform.clock = c.time;
    AdvanceSceneState();
    EXPECT_EQ(sceneState.clockHour, c.hour);
    EXPECT_EQ(sceneState.clockMinute, static_cast<float>(c.time.minute));
    EXPECT_EQ(sceneState.clockSecond, static_cast<float>(c.time.second));
  }
  platform.clockWorks = false;
  AdvanceSceneState();
  EXPECT_EQ(sceneState.clockHour, 11.0f);
  platform.clockWorks = true;
  platform.clock = TimeOfDay{24, 61, 60};  // out of range: ignored like a failure
  AdvanceSceneState();
  EXPECT_EQ(sceneState.clockMinute, 59.0f);
}
