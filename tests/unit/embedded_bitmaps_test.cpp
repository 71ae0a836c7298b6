// The bitmaps packed into the Linux executable: found by resource id, decoded top row first,
// and pixel for pixel the committed files.
#include "shell/embedded_bitmaps.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "tests/support/bmp_file.h"

namespace {
const std::string kBitmaps = std::string(VORN_SOURCE_DIR) + "/resources/bitmaps/";

struct Packed {
  int id;
  const char* file;
  int edge;
};
constexpr Packed kPacked[] = {
    {IDB_LANDSCAPE, "landscape.bmp", 256},
    {IDB_MARBLE, "marble.bmp", 256},
    {IDB_LANDSCAPE_SMALL, "landscape_small.bmp", 32},
    {IDB_MARBLE_SMALL, "marble_small.bmp", 32},
};
}  // namespace

TEST(EmbeddedBitmaps, DecodeToTheCommittedPicturesTopRowFirst) {
  for (const Packed& packed : kPacked) {
    SCOPED_TRACE(packed.file);
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    ASSERT_TRUE(DecodeEmbeddedBitmap(packed.id, width, height, rgb));
    ASSERT_EQ(width, packed.edge);
    ASSERT_EQ(height, packed.edge);
    ASSERT_EQ(rgb.size(), static_cast<std::size_t>(width * height * 3));

    BmpFile bmp;
    ASSERT_TRUE(ReadBmpFile(kBitmaps + packed.file, bmp));
    // The file stores the top-left pixel in its last row.
    EXPECT_EQ((std::array<std::uint8_t, 3>{rgb[0], rgb[1], rgb[2]}), bmp.Pixel(0, 0));
    int mismatches = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
        mismatches +=
            std::array<std::uint8_t, 3>{rgb[at], rgb[at + 1], rgb[at + 2]} != bmp.Pixel(x, y);
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
}

TEST(EmbeddedBitmaps, UnknownIdFailsAndLeavesTheOutputsAlone) {
  for (const int id : {0, 113, 114, 126, -115}) {
    int width = 7;
    int height = 9;
    std::vector<std::uint8_t> rgb = {1, 2, 3};
    EXPECT_FALSE(DecodeEmbeddedBitmap(id, width, height, rgb)) << id;
    EXPECT_EQ(width, 7);
    EXPECT_EQ(height, 9);
    EXPECT_EQ(rgb, (std::vector<std::uint8_t>{1, 2, 3}));
  }
}
