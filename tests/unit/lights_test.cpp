#include "scene/lights.h"

#include <gtest/gtest.h>

TEST(Lights, FirstFrameOfSeedOnePlacesLightZeroAndItsShadow) {
  FrameLights lights;
  ComputeLights(19169.0 + 0.00482, lights);
  EXPECT_NEAR(lights.position0[0], -0.8842f, 1e-4);
  EXPECT_NEAR(lights.position0[1], 19.1613f, 1e-4);
  EXPECT_NEAR(lights.position0[2], 7.2736f, 1e-4);
  EXPECT_EQ(lights.position0[3], 1.0f);
  EXPECT_EQ(lights.diffuse1[3], 0.6f);

  float m[16];
  BuildShadowMatrix(lights.position0, m);
  EXPECT_NEAR(m[4], 0.046145f, 1e-6);
  EXPECT_NEAR(m[6], -0.379598f, 1e-6);
}

TEST(Lights, ShadowMatrixSlidesPointsOntoTheFloorAlongTheLight) {
  const float light[4] = {3.0f, 2.0f, -4.0f, 1.0f};
  float m[16];
  BuildShadowMatrix(light, m);
  // Column-major: the point (x, y, z, 1) maps to column 0 x + column 1 y + column 2 z + column 3.
  auto project = [&m](float x, float y, float z, int row) {
    return m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
  };
  // The light itself slides to the origin; every image lies on y = 0.
  EXPECT_FLOAT_EQ(project(3, 2, -4, 0), 0.0f);
  EXPECT_FLOAT_EQ(project(3, 2, -4, 2), 0.0f);
  EXPECT_FLOAT_EQ(project(5, 7, 1, 1), 0.0f);
  EXPECT_FLOAT_EQ(project(5, 7, 1, 3), 1.0f);
  // A point on the floor stays where it is.
  EXPECT_FLOAT_EQ(project(5, 0, 1, 0), 5.0f);
  EXPECT_FLOAT_EQ(project(5, 0, 1, 2), 1.0f);
}

TEST(Lights, LightZeroNeverSinksBelowHeightOne) {
  // The shadow matrix divides by this height.
  FrameLights lights;
  for (double t = 0.0; t < 20000.0; t += 0.37) {
    ComputeLights(t, lights);
    ASSERT_GE(lights.position0[1], 1.0f) << "t " << t;
  }
}
