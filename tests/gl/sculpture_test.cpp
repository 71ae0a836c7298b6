#include "scene/sculpture.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "scene/scene_state.h"
#include "tests/gl/gl_scene.h"
#include "tests/support/matrix.h"

namespace {
// Scene point (x, y, z) lands at window (z + kOffset, y + kOffset): z runs across, y up.
constexpr float kOffset = 100.0f;

struct Feedback {
  int polygons = 0;
  float lowestY = 1e9f;
  float highestY = -1e9f;
  float nearestZ = 1e9f;
  float farthestZ = -1e9f;
};

template <typename Draw>
Feedback Capture(Draw draw) {
  glViewport(0, 0, kSurfaceWidth, kSurfaceHeight);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(-kOffset, kSurfaceWidth - kOffset, -kOffset, kSurfaceHeight - kOffset, -1000, 1000);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
  glDisable(GL_CULL_FACE);
  glDisable(GL_LIGHTING);

  std::vector<GLfloat> buffer(1 << 20);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint used = glRenderMode(GL_RENDER);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);

  Feedback result;
  EXPECT_GE(used, 0) << "feedback buffer overflowed";
  for (GLint i = 0; i < used;) {
    const auto token = static_cast<GLint>(buffer[i++]);
    EXPECT_EQ(token, GL_POLYGON_TOKEN);
    if (token != GL_POLYGON_TOKEN) break;
    const auto corners = static_cast<GLint>(buffer[i++]);
    for (GLint c = 0; c < corners; ++c, i += 3) {
      const float z = buffer[i] - kOffset;
      const float y = buffer[i + 1] - kOffset;
      result.lowestY = std::min(result.lowestY, y);
      result.highestY = std::max(result.highestY, y);
      result.nearestZ = std::min(result.nearestZ, z);
      result.farthestZ = std::max(result.farthestZ, z);
    }
    ++result.polygons;
  }
  return result;
}

Matrix ReadModelview() {
  GLfloat values[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, values);
  Matrix m{};
  for (int i = 0; i < 16; ++i) m[i] = values[i];
  return m;
}

GLint ModelviewDepth() {
  GLint depth = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  return depth;
}
}  // namespace

TEST(Sculpture, IssuesOneHundredThirtySevenBoxesAndTwoRingsAtEveryDetail) {
  for (auto [sides, rings] : {std::pair{4, 12}, std::pair{5, 14}, std::pair{6, 40}}) {
    sceneState = SceneState{};
    sceneState.torusSides = sides;
    sceneState.torusRings = rings;
    const int box = Capture([] { glutSolidCube(1.0); }).polygons;
    const int ring = Capture([&] { glutSolidTorus(0.2, 0.5, sides, rings); }).polygons;
    ASSERT_GT(box, 0);
    ASSERT_GT(ring, 0);
    EXPECT_EQ(Capture(DrawSculpture).polygons, 137 * box + 2 * ring) << sides << "x" << rings;
  }
}

TEST(Sculpture, HangsFromHeightSixToTheTopsOfThePostsAlongTheBeam) {
  sceneState = SceneState{};
  // At this phase the sway is zero and the turn less than half a degree.
  sceneState.swingPhase = 2.5f * 3.141593f;
  const Feedback shape = Capture(DrawSculpture);
  EXPECT_NEAR(shape.lowestY, 6.0f, 0.02f);  // the bottoms of the hanging blocks
  EXPECT_NEAR(shape.highestY, 107.5f, 0.02f);
  EXPECT_NEAR(shape.nearestZ, -19.0f, 0.2f);  // the beam's ends
  EXPECT_NEAR(shape.farthestZ, 21.5f, 0.2f);
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
    const Matrix before = ReadModelview();
    const GLint depth = ModelviewDepth();
    DrawSculpture();
    EXPECT_EQ(ReadModelview(), before);
    EXPECT_EQ(ModelviewDepth(), depth);
    glPopMatrix();
  }
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
