// A scene platform whose counter, clock and bitmaps the test sets.
#pragma once

#include <map>
#include <set>

#include "scene/platform.h"

class FakePlatform : public ScenePlatform {
 public:
  std::uint32_t Milliseconds() override { return milliseconds; }
  bool LocalTimeOfDay(TimeOfDay& time) override {
    if (!clockWorks) return false;
    time = clock;
    return true;
  }
  // A bitmap that the test has not given reads as a plain warm picture of the
  // texture's size, so that any scene can start and nothing it reflects is grey.
  bool ReadBitmap(int id, BitmapPixels& bitmap) override {
    if (missingBitmaps.count(id) != 0) return false;
    const auto given = bitmaps.find(id);
    if (given != bitmaps.end()) {
      bitmap = given->second;
      return true;
    }
    bitmap.width = bitmap.height = 256;
    bitmap.rgb.clear();
    for (int i = 0; i < 256 * 256; ++i) bitmap.rgb.insert(bitmap.rgb.end(), {255, 160, 64});
    return true;
  }

  std::uint32_t milliseconds = 0;
  TimeOfDay clock{10, 9, 8};
  bool clockWorks = true;
  std::map<int, BitmapPixels> bitmaps;
  std::set<int> missingBitmaps;
};
