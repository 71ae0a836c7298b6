// A picture in memory as 8-bit red, green, blue triples, top row first.
#pragma once

#include <cstdint>
#include <vector>

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 3 bytes
};
