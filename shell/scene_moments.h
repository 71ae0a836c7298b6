// Every output shows the same moment of the scene. The scene advances by one
// step with each frame drawn, so with several surfaces drawn one after the
// other it would run as many times too fast: a new moment starts only when a
// surface that has shown the current one is ready again, and the others
// redraw the current one from the state it started with.
#pragma once

#include <cstdint>
#include <set>

#include "scene/scene_state.h"

class SceneMoments {
 public:
  // Draws the surface with this id through drawFrame, which advances the scene.
  template <typename DrawFrame>
  void Draw(std::uintptr_t id, DrawFrame drawFrame) {
    const bool repeat = BeginDraw(id);
    drawFrame();
    EndDraw(repeat);
  }
  // Input changed the scene: the next surface drawn starts a new moment.
  void SceneChanged() { shown_.clear(); }
  void Forget(std::uintptr_t id) { shown_.erase(id); }

 private:
  // True when the surface shows the current moment again.
  bool BeginDraw(std::uintptr_t id);
  void EndDraw(bool repeat);

  std::set<std::uintptr_t> shown_;  // surfaces that have shown the current moment
  SceneState start_;                // before the current moment's step
  SceneState end_;                  // after it
};
