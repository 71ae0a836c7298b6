#include "scene/sculpture.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "scene/scene_state.h"
#include "tests/gl/feedback.h"
#include "tests/gl/gl_scene.h"

namespace {
// Scene point (x, y, z) lands at window (z + kOffset, y + kOffset): z runs across, y up.
constexpr float kOffset = 100.0f;

int CountPolygons(const std::function<void()>& draw) {
  LookOrthographic(-kOffset, -kOffset, 1.0f);
  glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
  return static_cast<int>(CapturePolygons(draw).size());
}

}  // namespace

TEST(Sculpture, IssuesOneHundredThirtySevenBoxesAndTwoRingsAtEveryDetail) {
  for (auto [sides, rings] : {std::pair{4, 12}, std::pair{5, 14}, std::pair{6, 40}}) {
    sceneState = SceneState{};
    sceneState.torusSides = sides;
    sceneState.torusRings = rings;
    const int box = CountPolygons([] { glutSolidCube(1.0); });
    const int ring = CountPolygons([&] { glutSolidTorus(0.2, 0.5, sides, rings); });
    ASSERT_GT(box, 0);
    ASSERT_GT(ring, 0);
    EXPECT_EQ(CountPolygons(DrawSculpture), 137 * box + 2 * ring) << sides << "x" << rings;
  }
}

TEST(Sculpture, HangsFromHeightSixToTheTopsOfThePostsAlongTheBeam) {
  sceneState = SceneState{};
  // At this phase the sway is zero and the turn less than half a degree.
  sceneState.swingPhase = 2.5f * 3.141593f;
  LookOrthographic(-kOffset, -kOffset, 1.0f);
  glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
  float lowestY = 1e9f, highestY = -1e9f, nearestZ = 1e9f, farthestZ = -1e9f;
  for (const Polygon& polygon : CapturePolygons(DrawSculpture)) {
    for (const Corner& corner : polygon) {
      lowestY = std::min(lowestY, corner.y - kOffset);
      highestY = std::max(highestY, corner.y - kOffset);
      nearestZ = std::min(nearestZ, corner.x - kOffset);
      farthestZ = std::max(farthestZ, corner.x - kOffset);
    }
  }
  EXPECT_NEAR(lowestY, 6.0f, 0.02f);  // the bottoms of the hanging blocks
  EXPECT_NEAR(highestY, 107.5f, 0.02f);
  EXPECT_NEAR(nearestZ, -19.0f, 0.2f);  // the beam's ends
  EXPECT_NEAR(farthestZ, 21.5f, 0.2f);
}

TEST(Sculpture, LeavesTheModelviewMatrixAndStackAsFound) {
  sceneState = SceneState{};
  sceneState.swingPhase = 12.3f;
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glRotatef(31.0f, 0.0f, 1.0f, 0.0f);
  const float shadow[16] = {1, 0, 0, 0, 0.2f, 0, -0.4f, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  for (bool flattened : {false, true}) {
    glPushMatrix();
    if (flattened) glMultMatrixf(shadow);
    const Matrix before = ReadMatrix(GL_MODELVIEW_MATRIX);
    const GLint depth = ReadInteger(GL_MODELVIEW_STACK_DEPTH);
    DrawSculpture();
    EXPECT_EQ(ReadMatrix(GL_MODELVIEW_MATRIX), before);
    EXPECT_EQ(ReadInteger(GL_MODELVIEW_STACK_DEPTH), depth);
    glPopMatrix();
  }
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
