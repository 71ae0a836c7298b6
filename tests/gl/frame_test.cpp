#include <GL/gl.h>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <climits>
#include <cmath>

#include "scene/frame.h"
#include "scene/scene_state.h"
#include "tests/gl/gl_scene.h"

namespace {
void ExpectMatrixNear(const Matrix& actual, const Matrix& expected, double tolerance) {
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << "entry " << i;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}
}  // namespace

TEST(Frame, FirstFrameOfSeedOneBuildsCameraSceneTurnAndLight) {
  FakePlatform platform;
  StartScene(platform, 1, 2);
  const double halfView = 25.0 * std::acos(-1.0) / 180.0;
  const Matrix perspective = ReadMatrix(GL_PROJECTION_MATRIX);
  EXPECT_NEAR(perspective[5], 1.0 / std::tan(halfView), 1e-5);
  EXPECT_NEAR(perspective[0], perspective[5] * 480.0 / 640.0, 1e-5);

  DrawFrame();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "the first frame raised an error";

  Matrix camera = Multiply(perspective, Translation(0, -5, -33.5469));
  camera = Multiply(camera, Translation(0, 6, 0));
  camera = Multiply(camera, Rotation(18.8318, 0));
  camera = Multiply(camera, Translation(0, -6, 0));
  ExpectMatrixNear(ReadMatrix(GL_PROJECTION_MATRIX), camera, 2e-4);
  ExpectMatrixNear(ReadMatrix(GL_MODELVIEW_MATRIX), Rotation(180.0323, 1), 1e-5);

  // Light positions are stored in eye coordinates: the scene's turn applied to them.
  GLfloat light[4];
  glGetLightfv(GL_LIGHT0, GL_POSITION, light);
  const Matrix turned = Multiply(Rotation(180.0323, 1), Translation(-0.8842, 19.1613, 7.2736));
  EXPECT_NEAR(light[0], turned[12], 1e-3);
  EXPECT_NEAR(light[1], turned[13], 1e-3);
  EXPECT_NEAR(light[2], turned[14], 1e-3);
  EXPECT_EQ(light[3], 1.0f);

  GLfloat attenuation = 0.0f;
  glGetLightfv(GL_LIGHT0, GL_LINEAR_ATTENUATION, &attenuation);
  EXPECT_FLOAT_EQ(attenuation, 0.196f);  // left as the main pass needs it
}

TEST(Frame, EveryFrameKeepsTheStacksAndRaisesNoError) {
  for (int detail : {0, 1, 2, 5, -1}) {
    FakePlatform platform;
    StartScene(platform, 7, detail);
    for (int frame = 0; frame < 3; ++frame) {
      platform.milliseconds += 16;
      DrawFrame();
      EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "detail " << detail;
      EXPECT_EQ(ReadInteger(GL_MATRIX_MODE), GL_MODELVIEW);
      EXPECT_EQ(ReadInteger(GL_MODELVIEW_STACK_DEPTH), 1);
      // The perspective with this frame's camera above it.
      EXPECT_EQ(ReadInteger(GL_PROJECTION_STACK_DEPTH), 2);
    }
  }
}

TEST(Frame, LaterFramesComposeTheCameraLikeTheFirst) {
  FakePlatform platform;
  StartScene(platform, 1, 2);
  const Matrix perspective = ReadMatrix(GL_PROJECTION_MATRIX);
  DrawFrame();
  DrawFrame();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  ExpectMatrixNear(ReadMatrix(GL_PROJECTION_MATRIX), perspective, 0.0);
  glPushMatrix();
  glMatrixMode(GL_MODELVIEW);
}

TEST(Frame, SetupViewTakesAZeroHeightAsOne) {
  FakePlatform platform;
  StartScene(platform, 1, 2);
  SetupView(100, 0);
  const Matrix perspective = ReadMatrix(GL_PROJECTION_MATRIX);
  EXPECT_TRUE(std::isfinite(perspective[0]));
  EXPECT_NEAR(perspective[0], perspective[5] / 100.0, 1e-6);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Frame, HugeStoredDetailDrawsAFrameInLittleTimeAndMemory) {
  for (int detail : {10000, INT_MAX, INT_MIN}) {
    FakePlatform platform;
    StartScene(platform, 7, detail);
    const long peakBefore = PeakKilobytes();
    const auto start = std::chrono::steady_clock::now();
    DrawFrame();
    glFinish();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), 3.0) << "detail " << detail;
    EXPECT_LT(PeakKilobytes() - peakBefore, 64 * 1024) << "detail " << detail;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "detail " << detail;
  }
}
