// The scene's platform in a web page: the page's millisecond clock from its
// start, the browser's local time of day, and the bitmaps carried in the wasm.
#pragma once

#include <cstdint>

#include "scene/platform.h"

class WebPlatform : public ScenePlatform {
 public:
  std::uint32_t Milliseconds() override;
  bool LocalTimeOfDay(TimeOfDay& time) override;
  bool ReadBitmap(int id, BitmapPixels& bitmap) override;
};

// A seed for the random generator that differs from visit to visit.
std::uint32_t PageSeed();
