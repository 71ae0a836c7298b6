#include "shell/wayland/surface_scale.h"

#include <gtest/gtest.h>

namespace {
// A buffer a pixel off the compositor's own rounding is stretched or cut by it.
TEST(ScaledLengthTest, RoundsAsTheCompositorDoes) {
  EXPECT_EQ(ScaledLength(600, 2 * kScaleDenominator), 1200);
  EXPECT_EQ(ScaledLength(1366, 150), 1708);  // 1707.5 at 1.25, half rounded up
  EXPECT_EQ(ScaledLength(75, 180), 113);     // 112.5 at 1.5
  EXPECT_EQ(ScaledLength(1280, 140), 1493);  // 1493.3 at 7/6, rounded down
  EXPECT_EQ(ScaledLength(16384, 3 * kScaleDenominator), 49152);
}
}  // namespace
