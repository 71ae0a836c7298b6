#include "tools/block_mean.h"

#include <cstddef>

RgbImage ShrinkByBlockMean(const RgbImage& image, int factor) {
  RgbImage small;
  small.width = image.width / factor;
  small.height = image.height / factor;
  small.pixels.resize(static_cast<std::size_t>(small.width) * small.height * 3);
  const int count = factor * factor;
  for (int y = 0; y < small.height; ++y) {
    for (int x = 0; x < small.width; ++x) {
      for (int channel = 0; channel < 3; ++channel) {
        int sum = 0;
        for (int dy = 0; dy < factor; ++dy) {
          for (int dx = 0; dx < factor; ++dx) {
            const std::size_t source =
                (static_cast<std::size_t>(y * factor + dy) * image.width + x * factor + dx) * 3;
            sum += image.pixels[source + channel];
          }
        }
        const std::size_t target = (static_cast<std::size_t>(y) * small.width + x) * 3;
        small.pixels[target + channel] = static_cast<std::uint8_t>((sum + count / 2) / count);
      }
    }
  }
  return small;
}
