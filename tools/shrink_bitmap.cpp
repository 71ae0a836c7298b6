// Reduces a 256 x 256 texture bitmap (8 or 24 bits per pixel) to its 32 x 32 preview version,
// a 24-bit bitmap whose pixels are the means of 8 x 8 blocks.
// Usage: shrink_bitmap INPUT.bmp OUTPUT.bmp
#include <cstdio>

#include "tools/block_mean.h"
#include "tools/bmp_writer.h"
#include "tools/image_loader.h"

namespace {
constexpr int kLargeEdge = 256;
constexpr int kFactor = 8;
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: shrink_bitmap INPUT.bmp OUTPUT.bmp\n");
    return 2;
  }
  RgbImage large;
  if (!LoadRgbImage(argv[1], large)) {
    std::fprintf(stderr, "shrink_bitmap: cannot read %s\n", argv[1]);
    return 1;
  }
  if (large.width != kLargeEdge || large.height != kLargeEdge) {
    std::fprintf(stderr, "shrink_bitmap: %s is %dx%d, not 256x256\n", argv[1], large.width,
                 large.height);
    return 1;
  }
  if (!WriteBytes(argv[2], EncodeBmp24(ShrinkByBlockMean(large, kFactor)))) {
    std::fprintf(stderr, "shrink_bitmap: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
