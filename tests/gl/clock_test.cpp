#include "scene/clock.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "scene/scene_state.h"
#include "tests/gl/feedback.h"
#include "tests/gl/gl_scene.h"

namespace {
// The dial centre, at (17, 2.55, 17) of the caller's frame, lands in the window's middle.
constexpr float kUnitsPerPixel = 0.02f;

// Directions of the three hands in degrees clockwise from straight up, as the
// viewer in front of the dial sees them, in drawing order: second, minute, hour.
std::array<double, 3> HandDirections() {
  // A view that holds the whole cube, whatever view an earlier test left.
  LookOrthographic(-16.0f, -12.0f, 0.05f);
  const int box = static_cast<int>(CapturePolygons([] { glutSolidCube(1.0); }).size());
  LookOrthographic(17.0f - kSurfaceWidth / 2 * kUnitsPerPixel,
                   2.55f - kSurfaceHeight / 2 * kUnitsPerPixel, kUnitsPerPixel);
  const std::vector<Polygon> polygons = CapturePolygons(DrawClock);
  std::array<double, 3> directions{};
  for (int hand = 0; hand < 3; ++hand) {
    double x = 0.0;
    double y = 0.0;
    int corners = 0;
    for (int p = hand * box; p < (hand + 1) * box; ++p) {
      for (const Corner& corner : polygons[p]) {
        x += corner.x - kSurfaceWidth / 2;
        y += corner.y - kSurfaceHeight / 2;
        ++corners;
      }
    }
    directions[hand] = std::atan2(x / corners, y / corners) * 180.0 / std::acos(-1.0);
  }
  return directions;
}

// A clock facing a viewer who looks at the scene from +z towards −z.
void FaceTheViewer(float hour, float minute, float second) {
  sceneState = SceneState{};
  sceneState.detailScale = 1.0f;
  sceneState.clockHour = hour;
  sceneState.clockMinute = minute;
  sceneState.clockSecond = second;
}
}  // namespace

TEST(Clock, HandsShowThreeOClock) {
  FaceTheViewer(3, 0, 0);
  const auto directions = HandDirections();
  EXPECT_NEAR(directions[0], 0.0, 0.5);  // second
  EXPECT_NEAR(directions[1], 0.0, 0.5);  // minute
  EXPECT_NEAR(directions[2], 90.0, 0.5);
}

TEST(Clock, HandsShowHalfPastTwelve) {
  FaceTheViewer(0, 30, 15);
  const auto directions = HandDirections();
  EXPECT_NEAR(directions[0], 90.0, 0.5);
  EXPECT_NEAR(std::fabs(directions[1]), 180.0, 0.5);
  EXPECT_NEAR(directions[2], 15.0, 0.5);  // the hour hand moves on with the minutes
}

TEST(Clock, LeavesTheMatrixAsFoundAndTheCageTranslucent) {
  FaceTheViewer(1, 2, 3);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glRotatef(12.0f, 0.0f, 1.0f, 0.0f);
  const Matrix before = ReadMatrix(GL_MODELVIEW_MATRIX);
  DrawClock();
  EXPECT_EQ(ReadMatrix(GL_MODELVIEW_MATRIX), before);
  EXPECT_EQ(ReadInteger(GL_MODELVIEW_STACK_DEPTH), 1);
  GLfloat diffuse[4];
  glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
  EXPECT_FLOAT_EQ(diffuse[3], 0.82f);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Clock, SpheresFollowTheDetailScale) {
  // 0.75 × 22 = 16.5 slices, truncated to 16, at Middle detail.
  for (auto [scale, slices] : {std::pair{0.5f, 11}, std::pair{0.75f, 16}, std::pair{1.0f, 22}}) {
    FaceTheViewer(0, 0, 0);
    sceneState.detailScale = scale;
    // Whole shapes only: a clipped polygon would be cut into others.
    LookOrthographic(-16.0f, -12.0f, 0.05f);
    const auto sphere = [slices = slices] { glutSolidSphere(0.1, slices, slices); };
    const size_t expectedSphere = CapturePolygons(sphere).size();
    const auto other = [slices = slices] { glutSolidSphere(0.1, slices + 1, slices + 1); };
    ASSERT_NE(CapturePolygons(other).size(), expectedSphere);
    const size_t box = CapturePolygons([] { glutSolidCube(1.0); }).size();
    const size_t ring = CapturePolygons([] {
                          glutSolidTorus(0.0525, 5.0, sceneState.torusSides, sceneState.torusRings);
                        }).size();
    LookOrthographic(0.0f, 0.0f, 0.05f);
    EXPECT_EQ(CapturePolygons(DrawClock).size(), 3 * box + 4 * expectedSphere + 6 * ring);
  }
}
