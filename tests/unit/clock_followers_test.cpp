#include "scene/clock_followers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scene/frame_motion.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "tests/support/fake_platform.h"

TEST(ClockFollower, StartsOnlyBeyondTwentySevenAndMovesFromTheNextStep) {
  float value = 0.0f;
  std::uint8_t chasing = 0;
  StepFollower(value, chasing, 27.0f);
  EXPECT_EQ(chasing, 0);
  StepFollower(value, chasing, 27.01f);
  EXPECT_EQ(chasing, 1);
  EXPECT_EQ(value, 0.0f);  // the step that starts a chase does not move
  StepFollower(value, chasing, 27.01f);
  EXPECT_FLOAT_EQ(value, 27.01f * 0.0194f);
}

TEST(ClockFollower, GapOfExactlyThreeKeepsChasingAndBelowThreeStops) {
  // From this value a move towards 0 lands exactly on 3.
  float value = 3.05935144f;
  std::uint8_t chasing = 1;
  StepFollower(value, chasing, 0.0f);
  ASSERT_EQ(value, 3.0f);
  EXPECT_EQ(chasing, 1);
  StepFollower(value, chasing, 0.0f);  // this move leaves 2.94
  EXPECT_EQ(chasing, 0);
  EXPECT_LT(value, 3.0f);  // the stopping move is kept
}

TEST(ClockFollower, ChaseFromJustAboveTwentySevenEndsAfter113Moves) {
  float value = 0.0f;
  std::uint8_t chasing = 0;
  const float target = 27.001f;
  StepFollower(value, chasing, target);
  int moves = 0;
  while (chasing != 0 && moves < 1000) {
    StepFollower(value, chasing, target);
    ++moves;
  }
  EXPECT_EQ(moves, 113);
  EXPECT_LT(target - value, 3.0f);
  StepFollower(value, chasing, target);  // holds until the gap exceeds 27 again
  EXPECT_EQ(chasing, 0);
}

TEST(ClockFollower, TurnsTheWholeWayWithoutWrapping) {
  sceneState = SceneState{};
  sceneState.yaw = 400.0f;
  for (int step = 0; step < 1000; ++step) StepClockFollowers();
  EXPECT_GT(sceneState.clockYaw, 397.0f);  // 400 degrees round, not 40
  EXPECT_EQ(sceneState.clockTiltZ, 0.0f);
  EXPECT_EQ(sceneState.clockTiltZChasing, 0);
}

TEST(ClockFollower, HoursOfDriftKeepTheYawPreciseAndTheClockInStep) {
  // Six hours at 60 frames a second, the followers stepping twice a frame as
  // at Middle and High detail: no drawing, only the state.
  FakePlatform platform;
  InstallScenePlatform(platform);
  sceneState = SceneState{};
  detailLevel = 2;
  SeedRandom(1);
  ResetSceneState();
  sceneState.yawDrift = 0.0931f;
  constexpr int kFrames = 6 * 60 * 60 * 60;
  // The clock swings round to face the camera in its first few hundred steps.
  constexpr int kSettled = 1000;
  int imprecise = 0;
  for (int frame = 0; frame < kFrames; ++frame) {
    const float before = sceneState.yaw;
    const FrameMotion motion = AdvanceSceneState();
    // The drift is applied in full, frame after frame, apart from a rounding error.
    if (std::fabs(motion.sceneTurn - before - 0.0931f) > 1e-3f) ++imprecise;
    StepClockFollowers();
    StepClockFollowers();
    if (frame > kSettled) {
      ASSERT_LE(std::fabs(sceneState.yaw - sceneState.clockYaw), 28.0f) << frame;
    }
  }
  EXPECT_EQ(imprecise, 0);
  EXPECT_LE(std::fabs(sceneState.yaw), 3600.0f);
}
