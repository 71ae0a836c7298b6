// The scene's process-wide state: camera angles and inertia, zoom, animation
// time, clock reading and followers, day/night look, tessellation and texture
// names, with the operations that change it from outside a frame.
#pragma once

#include <cstdint>

struct SceneState {
  std::uint8_t daylight = 1;  // 1 day look, 0 night look
  float detailScale = 1.0f;   // sphere tessellation factor of the clock
  int torusSides = 6;
  int torusRings = 30;
  double sceneTime = 0.0;  // grows by a fixed step per frame
  float clockHour = 0.0f;  // local hour modulo 12
  float clockMinute = 0.0f;
  float clockSecond = 0.0f;
  float swingPhase = 0.0f;  // radians, pi per second of the millisecond counter
  float pitch = 0.0f;
  float pitchVelocity = 0.0f;  // degrees per frame, decays
  float yaw = 0.0f;
  float yawDrift = 0.0f;    // constant degrees per frame
  float yawImpulse = 0.0f;  // degrees per frame, decays
  float zoom = 0.0f;        // 0 nearest, -150 farthest
  float cameraTilt = 0.0f;
  float clockYaw = 0.0f;
  std::uint8_t clockYawChasing = 0;
  float clockTiltX = 0.0f;
  std::uint8_t clockTiltXChasing = 0;
  float clockTiltZ = 0.0f;
  std::uint8_t clockTiltZChasing = 0;
  std::uint32_t reflectionTexture = 0;
  std::uint32_t floorTexture = 0;
  bool sceneTimeSeeded = false;  // set by the first frame, which draws sceneTime
};

extern SceneState sceneState;

// 0 Low, 1 Middle, 2 High; other stored values arrive unchanged.
extern int detailLevel;
// 1 only for full-screen saving: selects the large textures.
extern int fullSizeTextures;

// Draws the random start values; detailLevel must be set.
void ResetSceneState();

// Mouse drags, in pixels since the last mouse event (x right, y down).
void RotateView(int dx, int dy);
void ZoomView(int dx, int dy);
