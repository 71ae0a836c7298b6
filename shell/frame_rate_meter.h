// The frame rate as hacks show it: frames counted over spans of at least a
// second, the rate of the last whole span.
#pragma once

#include <cstdint>
#include <optional>

class FrameRateMeter {
 public:
  // Counts a frame shown at this time, in milliseconds of a steady clock.
  void FrameShown(std::int64_t milliseconds);
  // Frames per second; 0 until the first span is over.
  double rate() const { return rate_; }

 private:
  std::optional<std::int64_t> spanStart_;
  int framesInSpan_ = 0;  // after the one that started the span
  double rate_ = 0.0;
};
