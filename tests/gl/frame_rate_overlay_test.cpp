// The frame rate over a finished frame: readable in the corner, and the
// scene's GL state untouched for the next frame.
#include "scene/frame_rate_overlay.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

#include "scene/frame.h"
#include "tests/gl/gl_scene.h"

namespace {
constexpr std::array<GLenum, 6> kSceneCapabilities = {GL_LIGHTING,   GL_FOG,   GL_DEPTH_TEST,
                                                      GL_TEXTURE_2D, GL_BLEND, GL_CULL_FACE};

struct GlState {
  Matrix projection;
  Matrix modelview;
  GLint matrixMode;
  std::array<GLboolean, kSceneCapabilities.size()> enabled;
  std::array<GLfloat, 4> colour;

  static GlState Read() {
    GlState state{ReadMatrix(GL_PROJECTION_MATRIX),
                  ReadMatrix(GL_MODELVIEW_MATRIX),
                  ReadInteger(GL_MATRIX_MODE),
                  {},
                  {}};
    for (std::size_t i = 0; i < kSceneCapabilities.size(); ++i) {
      state.enabled[i] = glIsEnabled(kSceneCapabilities[i]);
    }
    glGetFloatv(GL_CURRENT_COLOR, state.colour.data());
    return state;
  }
  bool operator==(const GlState& other) const {
    return projection == other.projection && modelview == other.modelview &&
           matrixMode == other.matrixMode && enabled == other.enabled && colour == other.colour;
  }
};

TEST(FrameRateOverlay, DrawsLightTextOnDarkInTheCornerAndLeavesTheSceneStateAlone) {
  FakePlatform platform;
  platform.milliseconds = 7854;
  StartScene(platform, 1, 2);  // the day look: a light floor in the corner
  DrawFrame();
  const GlState before = GlState::Read();
  ASSERT_TRUE(before.enabled[0] && before.enabled[1] && before.enabled[2]);

  DrawFrameRate(49.9);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_TRUE(GlState::Read() == before);
  int light = 0;
  int dark = 0;
  for (int y = kSurfaceHeight - 24; y < kSurfaceHeight - 6; ++y) {
    for (int x = 6; x < 90; ++x) {
      const Rgb pixel = PixelAt(x, y);
      light += pixel == Rgb{255, 255, 255} ? 1 : 0;
      dark += pixel == Rgb{0, 0, 0} ? 1 : 0;
    }
  }
  // Nine characters of 9 by 15 pixels: strokes are a small share of the box.
  EXPECT_GT(light, 150);
  EXPECT_GT(dark, 3 * light);
}
}  // namespace
