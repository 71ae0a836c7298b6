#include "scene/floor.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "scene/scene_state.h"
#include "tests/gl/feedback.h"
#include "tests/gl/gl_scene.h"

TEST(Floor, TilesCoverTheSquareFromMinus120To160Once) {
  sceneState = SceneState{};
  // Seen from above: window x follows the scene's x, window y its z.
  LookOrthographic(-200.0f, -200.0f, 1.0f);
  glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
  // Mesa reports each quad as two triangles; the area tells whether all 49
  // tiles of 40 × 40 are there, once each.
  const std::vector<Polygon> pieces = CapturePolygons(DrawFloor);
  double area = 0.0;
  float lowX = 1e9f, highX = -1e9f, lowZ = 1e9f, highZ = -1e9f;
  for (const Polygon& piece : pieces) {
    for (size_t i = 0; i < piece.size(); ++i) {
      const Corner& a = piece[i];
      const Corner& b = piece[(i + 1) % piece.size()];
      area += 0.5 * (a.x * b.y - b.x * a.y);
    }
    for (const Corner& corner : piece) {
      lowX = std::min(lowX, corner.x - 200.0f);
      highX = std::max(highX, corner.x - 200.0f);
      lowZ = std::min(lowZ, corner.y - 200.0f);
      highZ = std::max(highZ, corner.y - 200.0f);
    }
  }
  EXPECT_NEAR(std::fabs(area), 49 * 40.0 * 40.0, 1.0);
  EXPECT_NEAR(lowX, -120.0f, 1e-3);
  EXPECT_NEAR(highX, 160.0f, 1e-3);
  EXPECT_NEAR(lowZ, -120.0f, 1e-3);
  EXPECT_NEAR(highZ, 160.0f, 1e-3);
  EXPECT_EQ(ReadInteger(GL_MODELVIEW_STACK_DEPTH), 1);
}
