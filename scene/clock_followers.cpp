#include "scene/clock_followers.h"

#include <cmath>

#include "scene/scene_state.h"

namespace {
constexpr double kFractionPerStep = 0.0194;
constexpr float kStopGap = 3.0f;
constexpr float kStartGap = 27.0f;
}  // namespace

void StepFollower(float& value, std::uint8_t& chasing, float target) {
  // The gap is never reduced modulo 360: the clock turns as far as the yaw did.
  if (chasing != 0) {
    value = static_cast<float>(value + (target - value) * kFractionPerStep);
    if (std::fabs(value - target) < kStopGap) chasing = 0;
  } else if (std::fabs(value - target) > kStartGap) {
    chasing = 1;  // the first move comes with the next step
  }
}

void StepClockFollowers() {
  SceneState& s = sceneState;
  StepFollower(s.clockYaw, s.clockYawChasing, s.yaw);
  StepFollower(s.clockTiltX, s.clockTiltXChasing, s.cameraTilt);
  StepFollower(s.clockTiltZ, s.clockTiltZChasing, 0.0f);
}
