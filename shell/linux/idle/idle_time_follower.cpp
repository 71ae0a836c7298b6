// An idle time that fell since the last reading means input came in between,
// even when it has climbed past the threshold again.
#include "shell/linux/idle/idle_time_follower.h"

#include <algorithm>

IdleTurn IdleTimeFollower::Follow(std::uint64_t idleMs) {
  IdleTurn turn;
  if (idle_ && idleMs < lastIdleMs_) {
    idle_ = false;
    turn.becameActive = true;
  }
  lastIdleMs_ = idleMs;
  if (!idle_ && idleMs >= thresholdMs_) {
    idle_ = true;
    turn.becameIdle = true;
  }
  // Once idle, input can come at any moment: read every second to catch it.
  const std::uint64_t untilIdle = idle_ ? 0 : thresholdMs_ - idleMs;
  turn.nextReadingMs =
      static_cast<std::uint32_t>(std::max<std::uint64_t>(kShortestWaitMs, untilIdle));
  return turn;
}
