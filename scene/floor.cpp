#include "scene/floor.h"

#include <GL/gl.h>

#include "scene/scene_state.h"

namespace {
constexpr GLfloat kDayEmission[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat kNightEmission[4] = {0.12f, 0.081f, 0.081f, 1.0f};
constexpr float kTileSize = 40.0f;
constexpr int kTilesFromCentre = 3;
}  // namespace

void DrawFloor() {
  // The normals are scaled with the tiles and never renormalised, so the lights
  // add little: the emission sets the floor's colour.
  glMaterialfv(GL_FRONT, GL_EMISSION, sceneState.daylight == 1 ? kDayEmission : kNightEmission);
  glPushMatrix();
  glScalef(kTileSize, kTileSize, kTileSize);
  for (int i = -kTilesFromCentre; i <= kTilesFromCentre; ++i) {
    for (int j = -kTilesFromCentre; j <= kTilesFromCentre; ++j) {
      glPushMatrix();
      glTranslatef(static_cast<float>(i), 0.0f, static_cast<float>(j));
      // Counter-clockwise seen from above: the tiles face up.
      glBegin(GL_QUADS);
      glNormal3f(0.0f, 1.0f, 0.0f);
      glTexCoord2f(0.0f, 0.0f);
      glVertex3f(0.0f, 0.0f, 0.0f);
      glTexCoord2f(0.0f, 1.0f);
      glVertex3f(0.0f, 0.0f, 1.0f);
      glTexCoord2f(1.0f, 1.0f);
      glVertex3f(1.0f, 0.0f, 1.0f);
      glTexCoord2f(1.0f, 0.0f);
      glVertex3f(1.0f, 0.0f, 0.0f);
      glEnd();
      glPopMatrix();
    }
  }
  glPopMatrix();
}
