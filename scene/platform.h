// What the scene asks of the platform: a millisecond counter and the local
// time of day. Each shell installs one implementation; tests and snapshots
// install their own to fix the time and the clock.
#pragma once

#include <cstdint>

struct TimeOfDay {
  int hour;    // 0 to 23
  int minute;  // 0 to 59
  int second;  // 0 to 59
};

class ScenePlatform {
 public:
  // Milliseconds from a free origin, wrapping at 2^32.
  virtual std::uint32_t Milliseconds() = 0;
  // False when the local time cannot be formed.
  virtual bool LocalTimeOfDay(TimeOfDay& time) = 0;

 protected:
  ~ScenePlatform() = default;
};

// The scene uses the installed platform from the next call on; it must outlive its use.
void InstallScenePlatform(ScenePlatform& platform);
ScenePlatform& CurrentScenePlatform();
