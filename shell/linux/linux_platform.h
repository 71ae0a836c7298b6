// The scene's platform on Linux: a monotonic millisecond counter that starts
// with the process, the local time of day, and the bitmaps carried inside the
// executable; also the seed and the tick count that the shell takes from the clocks.
#pragma once

#include <chrono>
#include <cstdint>

#include "scene/platform.h"

class LinuxPlatform : public ScenePlatform {
 public:
  std::uint32_t Milliseconds() override;
  bool LocalTimeOfDay(TimeOfDay& time) override;
  bool ReadBitmap(int id, BitmapPixels& bitmap) override;

 private:
  // A small origin keeps the single-precision swing phase fine over long runs.
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// A seed for the random generator that differs from run to run.
std::uint32_t StartupSeed();

// Milliseconds of a monotonic clock, wrapping at 2^32: the shell's tick count,
// which times the grace period after the saver window appears.
std::uint32_t TickCount();
