// Turns readings of the idle time (X's MIT-SCREEN-SAVER gives only that) into
// the moments it crosses the threshold either way, and says when to read it
// next: never sooner than a second, and not before the threshold can be reached.
#pragma once

#include <cstdint>

struct IdleTurn {
  bool becameIdle = false;
  bool becameActive = false;
  std::uint32_t nextReadingMs = 0;
};

class IdleTimeFollower {
 public:
  static constexpr std::uint32_t kShortestWaitMs = 1000;

  explicit IdleTimeFollower(std::uint32_t thresholdMs) : thresholdMs_(thresholdMs) {}

  IdleTurn Follow(std::uint64_t idleMs);

 private:
  std::uint32_t thresholdMs_;
  bool idle_ = false;
  std::uint64_t lastIdleMs_ = 0;
};
