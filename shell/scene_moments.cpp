#include "shell/scene_moments.h"

bool SceneMoments::BeginDraw(std::uintptr_t id) {
  if (shown_.count(id) != 0) shown_.clear();
  const bool repeat = !shown_.empty();
  shown_.insert(id);
  if (repeat) {
    sceneState = start_;
  } else {
    start_ = sceneState;
  }
  return repeat;
}

void SceneMoments::EndDraw(bool repeat) {
  // The repeated step reads the clocks again; the moment stays the one first shown.
  if (repeat) {
    sceneState = end_;
  } else {
    end_ = sceneState;
  }
}
