// A scene platform whose counter and clock the test sets.
#pragma once

#include "scene/platform.h"

class FakePlatform : public ScenePlatform {
 public:
  std::uint32_t Milliseconds() override { return milliseconds; }
  bool LocalTimeOfDay(TimeOfDay& time) override {
    if (!clockWorks) return false;
    time = clock;
    return true;
  }

  std::uint32_t milliseconds = 0;
  TimeOfDay clock{10, 9, 8};
  bool clockWorks = true;
};
