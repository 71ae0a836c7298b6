// The frame rate shown with --fps: frames over spans of at least a second.
#include "shell/frame_rate_meter.h"

#include <gtest/gtest.h>

namespace {
TEST(FrameRateMeter, ShowsNothingBeforeASecondAndThenTheRateOfTheLastSpan) {
  FrameRateMeter meter;
  for (int frame = 0; frame < 50; ++frame) meter.FrameShown(5000 + frame * 20);
  EXPECT_EQ(meter.rate(), 0.0);  // 49 intervals, 980 ms
  meter.FrameShown(6000);
  EXPECT_DOUBLE_EQ(meter.rate(), 50.0);
  // A stall of a second and a half is a span of its own.
  meter.FrameShown(7500);
  EXPECT_NEAR(meter.rate(), 0.667, 0.001);
}
}  // namespace
