#include "scene/sculpture.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include <cmath>

#include "scene/scene_state.h"
#include "scene/shapes.h"

namespace {
// Half of the single-precision pi: turns the cosines of the swing and twist into sines.
constexpr double kHalfPi = 1.5707965;
constexpr int kFirstPendulum = -29;
constexpr int kLastPendulum = 37;

void Ring(float z) {
  glPushMatrix();
  glTranslatef(0.0f, 35.0f, z);
  glutSolidTorus(0.2, 0.5, sceneState.torusSides, sceneState.torusRings);
  glPopMatrix();
}

void Pendulum(int i, double phase) {
  glPushMatrix();
  glTranslated(0.0, 35.0, 1.2 * (i - 2));
  const double swing = -31.0 * std::cos(0.1 * i + kHalfPi + 0.5 * phase);
  glRotatef(static_cast<float>(swing), 0.0f, 0.0f, 1.0f);
  glTranslatef(0.0f, -21.0f, 0.0f);
  const double twist = std::cos(static_cast<double>(1.2f) * phase + kHalfPi) * (30.0 - 2.9 * i);
  glRotatef(static_cast<float>(twist), 0.0f, 1.0f, 0.0f);
  DrawBox(0, 0, 0, 1.0f, 4.0f, 1.0f);        // block
  DrawBox(0, 10, 0, 0.215f, 21.0f, 0.215f);  // rod
  glPopMatrix();
}
}  // namespace

void DrawSculpture() {
  const double phase = sceneState.swingPhase;
  glPushMatrix();
  glScalef(0.5f, 0.5f, 0.5f);
  glPushMatrix();
  // Sway about a line parallel to Z at height 100.
  glTranslatef(0.0f, 100.0f, 0.0f);
  glRotatef(static_cast<float>(37.0 * std::cos(0.2 * phase)), 0.0f, 0.0f, 1.0f);
  glTranslatef(0.0f, -100.0f, 0.0f);
  // Slow turn, four whole turns each way, about a vertical line through z = 9.
  glTranslatef(0.0f, 0.0f, 9.0f);
  glRotatef(static_cast<float>(1440.0 * std::cos(0.0031 * phase)), 0.0f, 1.0f, 0.0f);
  glTranslatef(0.0f, 0.0f, -9.0f);

  DrawBox(0, 125, -15, 0.15f, 180.0f, 0.15f);  // posts
  DrawBox(0, 125, 20, 0.15f, 180.0f, 0.15f);
  DrawBox(0, 35, 2.5, 0.515f, 0.515f, 81.0f);  // beam
  for (int i = kFirstPendulum; i <= kLastPendulum; ++i) Pendulum(i, phase);
  Ring(-15.0f);
  Ring(20.0f);

  glPopMatrix();
  glPopMatrix();
}
