#include "scene/random.h"

namespace {
std::uint32_t randomState = 1;
}

void SeedRandom(std::uint32_t seed) { randomState = seed; }

int NextRandom() {
  // Unsigned arithmetic gives the 32-bit wrap-around the sequence is defined by.
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 32767u);
}
