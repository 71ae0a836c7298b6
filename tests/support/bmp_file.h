// A plain reader of uncompressed 8- and 24-bit Windows bitmaps for the tests, written apart
// from the texture tools and stb_image so that it checks them rather than repeats them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct BmpFile {
  std::vector<std::uint8_t> bytes;  // the whole file
  std::uint32_t fileSize = 0;       // as the file header states it
  std::uint32_t pixelOffset = 0;
  std::uint32_t infoHeaderSize = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: bottom row first
  std::uint16_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
  std::uint32_t paletteEntries = 0;

  std::uint32_t RowStride() const { return (width * bitsPerPixel + 31) / 32 * 4; }
  // Red, green, blue of column x in row y, row 0 being the top of the picture.
  std::array<std::uint8_t, 3> Pixel(int x, int y) const;
};

// False when the file cannot be read or is too short for its headers and rows.
bool ReadBmpFile(const std::string& path, BmpFile& bmp);

// The whole file; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
