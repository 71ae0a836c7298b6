#include "scene/clock.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include "scene/clock_followers.h"
#include "scene/scene_state.h"
#include "scene/shapes.h"

namespace {
constexpr GLfloat kCageDiffuse[4] = {1.0f, 1.0f, 1.0f, 0.82f};
constexpr double kDialHeight = 5.0;
constexpr double kBeadRadius = 0.1;
constexpr double kRingTube = 0.0525;
constexpr float kSlicesPerScale = 22.0f;
// More would not show, and a large stored Detail would cost minutes and
// gigabytes per frame.
constexpr int kMostSphereSlices = 64;

void Ring(double radius) {
  glutSolidTorus(kRingTube, radius, sceneState.torusSides, sceneState.torusRings);
}

void Sphere(double radius) {
  const int slices = SphereSlices(sceneState.detailScale);
  glutSolidSphere(radius, slices, slices);
}

// A hand turned by angle about the dial centre, depth units in front of (−) or behind the dial.
void Hand(double depth, float angle, double reach, float width, float length) {
  glPushMatrix();
  glTranslated(0.0, kDialHeight, depth);
  glRotatef(angle, 0.0f, 0.0f, 1.0f);
  DrawBox(0.0, reach, 0.0, width, length, 0.5f);
  glPopMatrix();
}

// A bead circling the dial centre by the swing phase, radius units out.
void Bead(double radius) {
  glPushMatrix();
  glRotatef(sceneState.swingPhase * 30.0f, 1.0f, 0.0f, 0.0f);
  glTranslated(0.0, radius, 0.0);
  Sphere(kBeadRadius);
  glPopMatrix();
}

void Hands() {
  const SceneState& s = sceneState;
  Hand(-0.5, s.clockSecond * 6.0f, 2.0, 0.25f, 4.0f);
  Hand(0.0, s.clockMinute * 6.0f, 2.0, 0.65f, 4.0f);
  Hand(0.5, s.clockHour * 30.0f + s.clockMinute * 0.5f, 1.0, 1.0f, 3.0f);
}

// The meridian double ring with the two beads that run across the dial.
void Meridian() {
  glPushMatrix();
  glTranslated(0.0, kDialHeight, 0.0);
  // The meridian tilts a second time on top of the gimbal's own tilt.
  glRotatef(sceneState.clockTiltX, 1.0f, 0.0f, 0.0f);
  glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
  Bead(kDialHeight);
  Bead(-kDialHeight);
  Ring(5.05);
  Ring(4.95);
  glPopMatrix();
}

void Gimbal() {
  const SceneState& s = sceneState;
  glPushMatrix();
  glTranslated(0.0, kDialHeight, 0.0);
  glRotatef(s.clockTiltX, 1.0f, 0.0f, 0.0f);
  glRotatef(s.clockTiltZ, 0.0f, 0.0f, 1.0f);
  glTranslated(0.0, -kDialHeight, 0.0);
  Hands();
  glMaterialfv(GL_FRONT, GL_DIFFUSE, kCageDiffuse);
  Meridian();
  glPushMatrix();  // third bead, along the meridian
  glTranslated(0.0, kDialHeight, 0.0);
  Bead(-kDialHeight);
  glPopMatrix();
  glPushMatrix();  // cross ring
  glTranslated(0.0, kDialHeight, 0.0);
  glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
  Ring(5.0);
  glPopMatrix();
  glPushMatrix();  // dial ring
  glTranslated(0.0, kDialHeight, 0.0);
  glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
  Ring(5.0);
  glPopMatrix();
  glPopMatrix();
}
}  // namespace

int SphereSlices(float detailScale) {
  // Bounded before the conversion, which overflows for large scales.
  const float slices = detailScale * kSlicesPerScale;
  if (slices >= static_cast<float>(kMostSphereSlices)) return kMostSphereSlices;
  // freeglut draws nothing below two stacks, so a negative count only needs to stay in range.
  if (slices <= 0.0f) return 0;
  return static_cast<int>(slices);
}

void DrawClock() {
  StepClockFollowers();
  glPushMatrix();
  glScalef(0.425f, 0.425f, 0.425f);
  glTranslated(40.0, 1.0, 40.0);
  // The extra half turn faces the dial's front towards the camera.
  glRotatef(-sceneState.clockYaw - 180.0f, 0.0f, 1.0f, 0.0f);
  Gimbal();
  glPushMatrix();  // base ball
  glTranslated(0.0, -0.5, 0.0);
  Sphere(0.5);
  glPopMatrix();
  glPushMatrix();  // outer double ring
  glTranslated(0.0, kDialHeight, 0.0);
  Ring(5.1);
  Ring(4.9);
  glPopMatrix();
  glPopMatrix();
}
