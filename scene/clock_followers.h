// The lazy followers that turn and tilt the clock after the camera: each
// holds still until its target is more than 27 degrees away, then closes
// 1.94 % of the gap per step until it is within 3 degrees.
#pragma once

#include <cstdint>

// One step of one follower towards its target.
void StepFollower(float& value, std::uint8_t& chasing, float target);
// One step of all three followers, in the clock's order.
void StepClockFollowers();
