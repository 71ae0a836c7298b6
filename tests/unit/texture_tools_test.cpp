// The texture tools' shrinking and bitmap encoding, and the committed texture bitmaps: their
// formats, the marble's greys, and the small versions being the 8 x 8 means of the large ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/bmp_file.h"
#include "tools/block_mean.h"
#include "tools/bmp_writer.h"
#include "tools/image_loader.h"

namespace {
const std::string kBitmaps = std::string(VORN_SOURCE_DIR) + "/resources/bitmaps/";

struct Committed {
  const char* name;
  int edge;
  int bitsPerPixel;
};
constexpr Committed kCommitted[] = {
    {"landscape.bmp", 256, 24},
    {"marble.bmp", 256, 8},
    {"landscape_small.bmp", 32, 24},
    {"marble_small.bmp", 32, 24},
};
constexpr std::pair<const char*, const char*> kShrunk[] = {
    {"landscape.bmp", "landscape_small.bmp"},
    {"marble.bmp", "marble_small.bmp"},
};

RgbImage Filled(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  RgbImage image{width, height, {}};
  for (int i = 0; i < width * height; ++i)
    image.pixels.insert(image.pixels.end(), {red, green, blue});
  return image;
}

std::uint8_t& At(RgbImage& image, int x, int y, int channel) {
  return image.pixels[(y * image.width + x) * 3 + channel];
}
}  // namespace

TEST(ShrinkByBlockMean, RoundsEachChannelOfEachBlockToNearest) {
  RgbImage image = Filled(16, 8, 0, 255, 0);
  // Left block: red is 1 in half the pixels (mean 0.5, rounds up), blue in 31 (rounds down).
  // Right block: red counts 0 to 63 (mean 31.5, rounds up to 32), blue is 200 throughout.
  for (int i = 0; i < 64; ++i) {
    const int x = i % 8;
    const int y = i / 8;
    At(image, x, y, 0) = i < 32 ? 1 : 0;
    At(image, x, y, 2) = i < 31 ? 1 : 0;
    At(image, 8 + x, y, 0) = static_cast<std::uint8_t>(i);
    At(image, 8 + x, y, 2) = 200;
  }
  const RgbImage small = ShrinkByBlockMean(image, 8);
  ASSERT_EQ(small.width, 2);
  ASSERT_EQ(small.height, 1);
  EXPECT_EQ(small.pixels, (std::vector<std::uint8_t>{1, 255, 0, 32, 255, 200}));
}

TEST(BmpWriter, StoresPaddedRowsBottomFirstInBothDepths) {
  // Widths 3 and 5 need padding bytes at the end of each row in both depths.
  RgbImage colour = Filled(3, 2, 10, 20, 30);
  At(colour, 2, 0, 0) = 250;  // top right
  At(colour, 0, 1, 1) = 251;  // bottom left
  ASSERT_TRUE(WriteBytes(testing::TempDir() + "colour.bmp", EncodeBmp24(colour)));
  BmpFile bmp;
  ASSERT_TRUE(ReadBmpFile(testing::TempDir() + "colour.bmp", bmp));
  EXPECT_EQ(bmp.fileSize, bmp.bytes.size());
  EXPECT_EQ(bmp.bytes.size(), 54u + 2 * 12);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      const std::array<std::uint8_t, 3> expected = {At(colour, x, y, 0), At(colour, x, y, 1),
                                                    At(colour, x, y, 2)};
      EXPECT_EQ(bmp.Pixel(x, y), expected) << x << "," << y;
    }
  }

  BmpPalette palette{};
  palette[7] = {1, 2, 3};
  palette[9] = {4, 5, 6};
  const std::vector<std::uint8_t> indices = {7, 7, 7, 7, 9, 9, 9, 9, 9, 7};
  ASSERT_TRUE(WriteBytes(testing::TempDir() + "indexed.bmp", EncodeBmp8(5, 2, indices, palette)));
  ASSERT_TRUE(ReadBmpFile(testing::TempDir() + "indexed.bmp", bmp));
  EXPECT_EQ(bmp.fileSize, bmp.bytes.size());
  EXPECT_EQ(bmp.bytes.size(), 54u + 256 * 4 + 2 * 8);
  EXPECT_EQ(bmp.paletteEntries, 256u);
  EXPECT_EQ(bmp.Pixel(4, 0), (std::array<std::uint8_t, 3>{4, 5, 6}));
  EXPECT_EQ(bmp.Pixel(0, 1), (std::array<std::uint8_t, 3>{4, 5, 6}));
  EXPECT_EQ(bmp.Pixel(4, 1), (std::array<std::uint8_t, 3>{1, 2, 3}));
}

TEST(CommittedTextures, HaveTheirSizesAndFormats) {
  for (const Committed& file : kCommitted) {
    SCOPED_TRACE(file.name);
    BmpFile bmp;
    ASSERT_TRUE(ReadBmpFile(kBitmaps + file.name, bmp));
    EXPECT_EQ(bmp.infoHeaderSize, 40u);
    EXPECT_EQ(bmp.width, file.edge);
    EXPECT_EQ(bmp.height, file.edge);  // positive: stored bottom row first
    EXPECT_EQ(bmp.bitsPerPixel, file.bitsPerPixel);
    EXPECT_EQ(bmp.compression, 0u);
    const std::uint32_t paletteBytes = file.bitsPerPixel == 8 ? 256 * 4 : 0;
    EXPECT_EQ(bmp.paletteEntries, paletteBytes / 4);
    EXPECT_EQ(bmp.pixelOffset, 14 + 40 + paletteBytes);
    EXPECT_EQ(bmp.fileSize, bmp.bytes.size());
    EXPECT_EQ(bmp.bytes.size(), bmp.pixelOffset + bmp.RowStride() * bmp.height);
  }
}

TEST(CommittedTextures, MarbleIsLightGreyAndAvoidsTheMappedGreys) {
  BmpFile bmp;
  ASSERT_TRUE(ReadBmpFile(kBitmaps + "marble.bmp", bmp));
  long sum = 0;
  int darkest = 255;
  int lightest = 0;
  int mappedGreys = 0;
  int coloured = 0;
  for (int y = 0; y < bmp.height; ++y) {
    for (int x = 0; x < bmp.width; ++x) {
      const auto [red, green, blue] = bmp.Pixel(x, y);
      coloured += red != green || red != blue;
      mappedGreys += red == 128 || red == 192 || red == 223;
      sum += red;
      darkest = std::min<int>(darkest, red);
      lightest = std::max<int>(lightest, red);
    }
  }
  EXPECT_EQ(coloured, 0);
  EXPECT_EQ(mappedGreys, 0);
  EXPECT_NEAR(static_cast<double>(sum) / (bmp.width * bmp.height), 212.0, 2.0);
  // Veins darker and whiter than the ground.
  EXPECT_LT(darkest, 170);
  EXPECT_GT(lightest, 240);
}

TEST(CommittedTextures, SmallVersionsAreTheBlockMeansOfTheLargeOnes) {
  for (const auto& [largeName, smallName] : kShrunk) {
    SCOPED_TRACE(smallName);
    RgbImage large;
    ASSERT_TRUE(LoadRgbImage(kBitmaps + largeName, large));
    EXPECT_EQ(EncodeBmp24(ShrinkByBlockMean(large, 8)), ReadFileBytes(kBitmaps + smallName));

    // The same means once more, straight from the files' bytes.
    BmpFile largeBmp;
    BmpFile smallBmp;
    ASSERT_TRUE(ReadBmpFile(kBitmaps + largeName, largeBmp));
    ASSERT_TRUE(ReadBmpFile(kBitmaps + smallName, smallBmp));
    int mismatches = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        for (int channel = 0; channel < 3; ++channel) {
          int sum = 0;
          for (int i = 0; i < 64; ++i) sum += largeBmp.Pixel(x * 8 + i % 8, y * 8 + i / 8)[channel];
          mismatches += smallBmp.Pixel(x, y)[channel] != (sum + 32) / 64;
        }
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
}
