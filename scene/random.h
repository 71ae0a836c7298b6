// The process-wide pseudo-random generator: one linear congruential sequence,
// seeded once at start, giving integers from 0 to 32767.
#pragma once

#include <cstdint>

void SeedRandom(std::uint32_t seed);
int NextRandom();
