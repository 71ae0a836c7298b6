#include "scene/sky.h"

#include <GL/gl.h>

#include "scene/scene_state.h"

namespace {
constexpr GLfloat kDaySky[4] = {0.92484f, 0.92486f, 0.92473f, 1.0f};
constexpr GLfloat kNightSky[4] = {0.0f, 0.0f, 0.0f, 1.0f};
}  // namespace

void ApplySkyAndFog() {
  // The fog colour equals the clear colour, so fogged geometry fades into the sky.
  const GLfloat* sky = sceneState.daylight == 1 ? kDaySky : kNightSky;
  glClearColor(sky[0], sky[1], sky[2], sky[3]);
  glFogfv(GL_FOG_COLOR, sky);
  glFogf(GL_FOG_START, 30.0f);
  glFogf(GL_FOG_END, 70.0f);
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogf(GL_FOG_DENSITY, 1.0f);
}

void ToggleDaylight() {
  sceneState.daylight = sceneState.daylight == 0 ? 1 : 0;
  ApplySkyAndFog();
}
