#include "tools/bmp_writer.h"

#include <cstddef>
#include <cstdio>

namespace {
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Rows are padded to whole 32-bit words.
std::uint32_t RowStride(int width, int bitsPerPixel) {
  return (static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

// Both headers; the colour table and the rows follow.
std::vector<std::uint8_t> Headers(int width, int height, int bitsPerPixel,
                                  std::uint32_t paletteEntries) {
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteEntries * 4;
  const std::uint32_t imageSize = RowStride(width, bitsPerPixel) * height;
  std::vector<std::uint8_t> out;
  out.reserve(offset + imageSize);
  out.push_back('B');
  out.push_back('M');
  PutLe(out, offset + imageSize, 4);
  PutLe(out, 0, 4);  // two reserved words
  PutLe(out, offset, 4);
  PutLe(out, kInfoHeaderSize, 4);
  PutLe(out, static_cast<std::uint32_t>(width), 4);
  PutLe(out, static_cast<std::uint32_t>(height), 4);  // positive: bottom row first
  PutLe(out, 1, 2);                                   // planes
  PutLe(out, static_cast<std::uint32_t>(bitsPerPixel), 2);
  PutLe(out, 0, 4);  // uncompressed
  PutLe(out, imageSize, 4);
  PutLe(out, kPixelsPerMetre, 4);
  PutLe(out, kPixelsPerMetre, 4);
  PutLe(out, paletteEntries, 4);
  PutLe(out, 0, 4);  // all colours important
  return out;
}

void PadRow(std::vector<std::uint8_t>& out, std::size_t rowStart, std::uint32_t stride) {
  out.resize(rowStart + stride, 0);
}
}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const RgbImage& image) {
  std::vector<std::uint8_t> out = Headers(image.width, image.height, 24, 0);
  const std::uint32_t stride = RowStride(image.width, 24);
  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    for (int x = 0; x < image.width; ++x) {
      const std::size_t source = (static_cast<std::size_t>(y) * image.width + x) * 3;
      out.push_back(image.pixels[source + 2]);
      out.push_back(image.pixels[source + 1]);
      out.push_back(image.pixels[source]);
    }
    PadRow(out, rowStart, stride);
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp8(int width, int height,
                                     const std::vector<std::uint8_t>& indices,
                                     const BmpPalette& palette) {
  std::vector<std::uint8_t> out = Headers(width, height, 8, palette.size());
  for (const auto& colour : palette) {
    out.push_back(colour[2]);
    out.push_back(colour[1]);
    out.push_back(colour[0]);
    out.push_back(0);
  }
  const std::uint32_t stride = RowStride(width, 8);
  for (int y = height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    const auto row = indices.begin() + static_cast<std::ptrdiff_t>(y) * width;
    out.insert(out.end(), row, row + width);
    PadRow(out, rowStart, stride);
  }
  return out;
}

bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}
