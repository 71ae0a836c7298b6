#include "scene/frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "scene/clock.h"
#include "scene/floor.h"
#include "scene/frame_motion.h"
#include "scene/lights.h"
#include "scene/scene_state.h"
#include "scene/sculpture.h"
#include "scene/sky.h"
#include "scene/textures.h"

namespace {
constexpr GLfloat kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat kFloorSpecular[4] = {0.48f, 0.48f, 0.48f, 0.8f};
constexpr GLfloat kFloorDiffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
constexpr GLfloat kDaySculptureEmission[4] = {0.9754f, 0.754f, 0.554f, 0.8f};
constexpr GLfloat kNightSculptureEmission[4] = {0.24385f, 0.1885f, 0.1385f, 0.8f};
constexpr GLfloat kRedSpecular[4] = {1.0f, 0.0f, 0.0f, 0.8f};
constexpr GLfloat kClockEmission[4] = {1.0f, 0.75f, 0.9f, 0.4f};
constexpr GLfloat kShininess = 128.0f;
// Night shadows ask for an alpha above 1, which the pipeline clamps to opaque.
constexpr GLfloat kDayShadowAlpha = 0.084245f;
constexpr GLfloat kNightShadowAlpha = 1.384245f;
constexpr GLfloat kLitLight0Attenuation = 0.196f;
constexpr GLfloat kFlatLight0Attenuation = 0.001f;
constexpr GLfloat kLight1Attenuation = 0.0002f;

// Leaves the perspective alone on the projection stack. Before the first
// frame there is no camera above it, and popping then would underflow.
void DropCamera() {
  glMatrixMode(GL_PROJECTION);
  GLint depth = 0;
  glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
  if (depth > 1) glPopMatrix();
}

void PlaceCamera(const FrameMotion& motion) {
  DropCamera();
  glPushMatrix();
  glTranslatef(0.0f, -5.0f, motion.cameraDistance);
  // Tilts the scene about the horizontal line at height 6.
  glTranslatef(0.0f, 6.0f, 0.0f);
  glRotated(sceneState.cameraTilt, 1.0, 0.0, 0.0);
  glTranslatef(0.0f, -6.0f, 0.0f);
  glMatrixMode(GL_MODELVIEW);
  glRotated(motion.sceneTurn, 0.0, 1.0, 0.0);
}

void SetLights(const FrameLights& lights) {
  glLightfv(GL_LIGHT0, GL_POSITION, lights.position0);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, lights.diffuse0);
  glLightfv(GL_LIGHT0, GL_SPECULAR, lights.specular0);
  glLightfv(GL_LIGHT1, GL_POSITION, lights.position1);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, lights.diffuse1);
  glLightfv(GL_LIGHT1, GL_SPECULAR, lights.specular1);
  glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, kFlatLight0Attenuation);
  glLightf(GL_LIGHT1, GL_LINEAR_ATTENUATION, kLight1Attenuation);
}

void PrepareFloorPass() {
  glBindTexture(GL_TEXTURE_2D, sceneState.floorTexture);
  glEnable(GL_CULL_FACE);
  glEnable(GL_LIGHTING);
  glDisable(GL_TEXTURE_GEN_S);
  glDisable(GL_TEXTURE_GEN_T);
  glMaterialfv(GL_FRONT, GL_SPECULAR, kFloorSpecular);
  glMaterialf(GL_FRONT, GL_SHININESS, kShininess);
  glMaterialfv(GL_FRONT, GL_DIFFUSE, kFloorDiffuse);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_TEXTURE_2D);
}

// The sculpture and the clock flattened onto the floor along light 0, in
// translucent black by day and opaque black by night.
void DrawShadowPass(const FrameLights& lights) {
  glColor4f(0.0f, 0.0f, 0.0f, sceneState.daylight == 1 ? kDayShadowAlpha : kNightShadowAlpha);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  GLfloat shadow[16];
  BuildShadowMatrix(lights.position0, shadow);
  glPushMatrix();
  glMultMatrixf(shadow);
  DrawSculpture();
  DrawClock();
  glPopMatrix();
}

// The sculpture and the clock lit by both lights, reflecting the landscape as a sphere map.
void DrawMainPass() {
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, sceneState.reflectionTexture);
  glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, kLitLight0Attenuation);
  glMaterialfv(GL_FRONT, GL_EMISSION,
               sceneState.daylight == 1 ? kDaySculptureEmission : kNightSculptureEmission);
  glMaterialfv(GL_FRONT, GL_DIFFUSE, kWhite);
  glMaterialfv(GL_FRONT, GL_SPECULAR, kRedSpecular);
  glMaterialf(GL_FRONT, GL_SHININESS, kShininess);
  DrawSculpture();
  glMaterialfv(GL_FRONT, GL_EMISSION, kClockEmission);
  DrawClock();
}
}  // namespace

void SetViewSize(int width, int height) {
  // A zero height would divide by zero in the aspect ratio.
  const int safeHeight = height == 0 ? 1 : height;
  glViewport(0, 0, width, safeHeight);
  DropCamera();
  glLoadIdentity();
  gluPerspective(50.0, static_cast<double>(width) / safeHeight, 1.0, 500.0);
  glMatrixMode(GL_MODELVIEW);
}

void SetupView(int width, int height) {
  SetViewSize(width, height);
  LoadTextures();
  ResetSceneState();
  ApplySkyAndFog();
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHT1);
  glEnable(GL_FOG);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_BLEND);
  glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
  glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
}

void DrawFrame() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const FrameMotion motion = AdvanceSceneState();
  glLoadIdentity();
  PlaceCamera(motion);

  FrameLights lights;
  ComputeLights(sceneState.sceneTime, lights);
  SetLights(lights);

  PrepareFloorPass();
  if (detailLevel > 0) DrawFloor();
  glEnable(GL_TEXTURE_GEN_S);
  glEnable(GL_TEXTURE_GEN_T);
  if (detailLevel != 0) DrawShadowPass(lights);
  DrawMainPass();
}
