// Counting frames over spans of a second.
#include "shell/frame_rate_meter.h"

namespace {
constexpr std::int64_t kSpanMilliseconds = 1000;
}  // namespace

void FrameRateMeter::FrameShown(std::int64_t milliseconds) {
  if (!spanStart_) {
    spanStart_ = milliseconds;
    return;
  }
  ++framesInSpan_;
  const std::int64_t elapsed = milliseconds - *spanStart_;
  if (elapsed < kSpanMilliseconds) return;
  rate_ = framesInSpan_ * 1000.0 / static_cast<double>(elapsed);
  spanStart_ = milliseconds;
  framesInSpan_ = 0;
}
