#include "scene/frame_motion.h"

#include <cmath>

#include "scene/platform.h"
#include "scene/random.h"
#include "scene/scene_state.h"

namespace {
constexpr double kSceneTimeStep = 0.00482;
constexpr double kInertiaDecay = 0.93;
// The single-precision pi that the swing phase has always been built with.
constexpr float kPi = 3.141593f;
// Past this many degrees single precision starts to swallow the yaw's drift.
constexpr float kYawBound = 3600.0f;

// Takes whole turns off the yaw and the clock's follower of it together, so
// that their gap, the picture and the clock's motion stay as they were.
void KeepYawSmall() {
  SceneState& s = sceneState;
  if (std::fabs(s.yaw) <= kYawBound) return;
  const float turns = std::trunc(s.yaw / 360.0f) * 360.0f;
  s.yaw -= turns;
  s.clockYaw -= turns;
}

void ReadClock() {
  TimeOfDay time{};
  // Without a valid local time the clock keeps showing its previous reading.
  if (!CurrentScenePlatform().LocalTimeOfDay(time)) return;
  if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 || time.second < 0 ||
      time.second > 59) {
    return;
  }
  sceneState.clockHour = static_cast<float>(time.hour % 12);
  sceneState.clockMinute = static_cast<float>(time.minute);
  sceneState.clockSecond = static_cast<float>(time.second);
}
}  // namespace

FrameMotion AdvanceSceneState() {
  SceneState& s = sceneState;
  if (!s.sceneTimeSeeded) {
    s.sceneTimeSeeded = true;
    s.sceneTime = NextRandom();
  }
  const double t = s.sceneTime;
  FrameMotion motion{};
  motion.cameraDistance = static_cast<float>(20.0 * std::sin(0.093434 * t) + s.zoom);

  s.pitch = s.pitch + s.pitchVelocity;
  s.pitchVelocity = static_cast<float>(s.pitchVelocity * kInertiaDecay);
  s.cameraTilt = static_cast<float>(10.0 * std::cos(0.4 * t) + (s.pitch + 10.0));

  s.yaw = s.yaw + s.yawDrift;
  motion.sceneTurn = s.yaw;
  // The impulse turns the scene from the next frame on; the clock sees it in this one.
  s.yaw = s.yaw + s.yawImpulse;
  s.yawImpulse = static_cast<float>(s.yawImpulse * kInertiaDecay);
  KeepYawSmall();

  s.sceneTime = t + kSceneTimeStep;
  const std::uint32_t ms = CurrentScenePlatform().Milliseconds();
  s.swingPhase = static_cast<float>(ms * static_cast<double>(kPi) * 0.001);
  ReadClock();
  return motion;
}
