// What the scene asks of the platform: a millisecond counter, the local time
// of day and the pixels of a bitmap by id. Each shell installs one
// implementation; tests and snapshots install their own to fix the time and
// the clock.
#pragma once

#include <cstdint>
#include <vector>

struct TimeOfDay {
  int hour;    // 0 to 23
  int minute;  // 0 to 59
  int second;  // 0 to 59
};

// A bitmap as the platform reads it: red, green, blue bytes, top row first.
struct BitmapPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

class ScenePlatform {
 public:
  // Milliseconds from a free origin, wrapping at 2^32.
  virtual std::uint32_t Milliseconds() = 0;
  // False when the local time cannot be formed.
  virtual bool LocalTimeOfDay(TimeOfDay& time) = 0;
  // False when there is no bitmap with this id.
  virtual bool ReadBitmap(int id, BitmapPixels& bitmap) = 0;

 protected:
  ~ScenePlatform() = default;
};

// The scene uses the installed platform from the next call on; it must outlive its use.
void InstallScenePlatform(ScenePlatform& platform);
ScenePlatform& CurrentScenePlatform();
