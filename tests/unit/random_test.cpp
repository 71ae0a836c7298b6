#include "scene/random.h"

#include <gtest/gtest.h>

TEST(Random, KnownSequencesFromASeed) {
  SeedRandom(1);
  for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(NextRandom(), expected);
  SeedRandom(0);
  for (int expected : {38, 7719, 21238, 2437, 8855}) EXPECT_EQ(NextRandom(), expected);
}

TEST(Random, StaysWithinFifteenBitsAcrossTheWrapAround) {
  SeedRandom(0xFFFFFFFFu);
  for (int i = 0; i < 100000; ++i) {
    const int value = NextRandom();
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 32767);
  }
}
