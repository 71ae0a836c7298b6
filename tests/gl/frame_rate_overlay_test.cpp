// The frame rate over a finished frame: readable in the corner, and the
// scene's GL state untouched for the next frame.
#include "scene/frame_rate_overlay.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "scene/frame.h"
#include "tests/gl/gl_scene.h"

namespace {
// What the next frame relies on: the matrices, the switched-on stages, the colour.
std::vector<double> SceneState() {
  const Matrix projection = ReadMatrix(GL_PROJECTION_MATRIX);
  const Matrix modelview = ReadMatrix(GL_MODELVIEW_MATRIX);
  std::vector<double> state(projection.begin(), projection.end());
  state.insert(state.end(), modelview.begin(), modelview.end());
  state.push_back(ReadInteger(GL_MATRIX_MODE));
  for (const GLenum stage : {GL_LIGHTING, GL_FOG, GL_DEPTH_TEST, GL_TEXTURE_2D, GL_BLEND}) {
    state.push_back(glIsEnabled(stage));
  }
  std::array<GLfloat, 4> colour{};
  glGetFloatv(GL_CURRENT_COLOR, colour.data());
  state.insert(state.end(), colour.begin(), colour.end());
  return state;
}

TEST(FrameRateOverlay, DrawsLightTextOnDarkInTheCornerAndLeavesTheSceneStateAlone) {
  FakePlatform platform;
  platform.milliseconds = 7854;
  StartScene(platform, 1, 2);  // the day look: a light floor in the corner
  DrawFrame();
  const std::vector<double> before = SceneState();

  DrawFrameRate(49.9);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_EQ(SceneState(), before);
  int light = 0;
  int dark = 0;
  for (int y = kSurfaceHeight - 24; y < kSurfaceHeight - 6; ++y) {
    for (int x = 6; x < 90; ++x) {
      light += PixelAt(x, y) == Rgb{255, 255, 255} ? 1 : 0;
      dark += PixelAt(x, y) == Rgb{0, 0, 0} ? 1 : 0;
    }
  }
  // Nine characters of 9 by 15 pixels: strokes are a small share of the box.
  EXPECT_GT(light, 150);
  EXPECT_GT(dark, 3 * light);
}
}  // namespace
