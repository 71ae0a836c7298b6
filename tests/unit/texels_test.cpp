#include <gtest/gtest.h>

#include <vector>

#include "scene/textures.h"

namespace {
// A width × height picture whose pixel (x, y) is (x, y, 7), row 0 at the top.
BitmapPixels Gradient(int width, int height) {
  BitmapPixels bitmap;
  bitmap.width = width;
  bitmap.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bitmap.rgb.insert(bitmap.rgb.end(),
                        {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7});
    }
  }
  return bitmap;
}

std::vector<std::uint8_t> Texels(const BitmapPixels& bitmap, int edge) {
  std::vector<std::uint8_t> texels(static_cast<size_t>(edge) * edge * 4);
  ReadTexels(bitmap, edge, texels.data());
  return texels;
}

std::vector<std::uint8_t> TexelAt(const std::vector<std::uint8_t>& texels, int index) {
  return {texels.begin() + index * 4, texels.begin() + index * 4 + 4};
}
}  // namespace

TEST(Texels, BottomRowFirstLeftToRightAndOpaque) {
  const auto texels = Texels(Gradient(32, 32), 32);
  EXPECT_EQ(TexelAt(texels, 0), (std::vector<std::uint8_t>{0, 31, 7, 255}));  // bottom left
  EXPECT_EQ(TexelAt(texels, 1), (std::vector<std::uint8_t>{1, 31, 7, 255}));
  EXPECT_EQ(TexelAt(texels, 32 * 32 - 1), (std::vector<std::uint8_t>{31, 0, 7, 255}));  // top right
  for (size_t i = 3; i < texels.size(); i += 4) ASSERT_EQ(texels[i], 255) << i;
}

TEST(Texels, PureRedStaysPureRed) {
  BitmapPixels red;
  red.width = red.height = 32;
  for (int i = 0; i < 32 * 32; ++i) red.rgb.insert(red.rgb.end(), {255, 0, 0});
  EXPECT_EQ(TexelAt(Texels(red, 32), 500), (std::vector<std::uint8_t>{255, 0, 0, 255}));
}

TEST(Texels, SmallerBitmapReadsWhiteOutsideAndLargerGivesItsTopLeftSquare) {
  const auto small = Texels(Gradient(20, 10), 32);
  // Row 31 of the picture (outside it) comes first: white.
  EXPECT_EQ(TexelAt(small, 0), (std::vector<std::uint8_t>{255, 255, 255, 255}));
  // The picture's top row is the texture's last row; columns 20 and on are white.
  EXPECT_EQ(TexelAt(small, 31 * 32 + 19), (std::vector<std::uint8_t>{19, 0, 7, 255}));
  EXPECT_EQ(TexelAt(small, 31 * 32 + 20), (std::vector<std::uint8_t>{255, 255, 255, 255}));
  EXPECT_EQ(TexelAt(small, 22 * 32 + 0), (std::vector<std::uint8_t>{0, 9, 7, 255}));

  const auto large = Texels(Gradient(64, 40), 32);
  EXPECT_EQ(TexelAt(large, 0), (std::vector<std::uint8_t>{0, 31, 7, 255}));
  EXPECT_EQ(TexelAt(large, 32 * 32 - 1), (std::vector<std::uint8_t>{31, 0, 7, 255}));
}
