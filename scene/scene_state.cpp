#include "scene/scene_state.h"

#include "scene/random.h"

SceneState sceneState;
int detailLevel = 0;
int fullSizeTextures = 0;

namespace {
constexpr float kFarthestZoom = -150.0f;
constexpr float kNearestZoom = 0.0f;
}  // namespace

void ResetSceneState() {
  sceneState.daylight = (NextRandom() % 2 == 1) ? 1 : 0;
  sceneState.yawDrift = static_cast<float>((NextRandom() % 100 - 50) * 0.0019);
  sceneState.detailScale = static_cast<float>(detailLevel * 0.25 + 0.5);
  switch (detailLevel) {
    case 1:
      sceneState.torusSides = 5;
      sceneState.torusRings = 14;
      break;
    case 2:
      sceneState.torusSides = 6;
      sceneState.torusRings = 40;
      break;
    default:  // Low, and any value outside the known levels
      sceneState.torusSides = 4;
      sceneState.torusRings = 12;
      break;
  }
  sceneState.pitch = static_cast<float>(NextRandom() % 20);
  const int yawDraw = NextRandom();
  sceneState.zoom = -40.0f;
  sceneState.yaw = static_cast<float>(yawDraw % 40 + 160);
}

void RotateView(int dx, int dy) {
  sceneState.pitchVelocity = static_cast<float>(sceneState.pitchVelocity + dy * 0.181);
  sceneState.yawImpulse = static_cast<float>(dx * 0.271);
}

void ZoomView(int dx, int dy) {
  // The sum wraps like the 32-bit addition it stands for; unsigned avoids overflow UB.
  const auto sum =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(dx) + static_cast<std::uint32_t>(dy));
  const float zoom = static_cast<float>(sceneState.zoom + sum * 0.21);
  if (zoom < kFarthestZoom) {
    sceneState.zoom = kFarthestZoom;
  } else if (zoom > kNearestZoom) {
    sceneState.zoom = kNearestZoom;
  } else {
    sceneState.zoom = zoom;
  }
}
