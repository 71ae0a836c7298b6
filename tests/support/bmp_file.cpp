#include "tests/support/bmp_file.h"

#include <fstream>
#include <iterator>

namespace {
constexpr std::uint32_t kFileHeaderSize = 14;

std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
  return value;
}
}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool ReadBmpFile(const std::string& path, BmpFile& bmp) {
  bmp.bytes = ReadFileBytes(path);
  if (bmp.bytes.size() < kFileHeaderSize + 40 || bmp.bytes[0] != 'B' || bmp.bytes[1] != 'M')
    return false;
  bmp.fileSize = Le(bmp.bytes, 2, 4);
  bmp.pixelOffset = Le(bmp.bytes, 10, 4);
  bmp.infoHeaderSize = Le(bmp.bytes, 14, 4);
  bmp.width = static_cast<std::int32_t>(Le(bmp.bytes, 18, 4));
  bmp.height = static_cast<std::int32_t>(Le(bmp.bytes, 22, 4));
  bmp.bitsPerPixel = static_cast<std::uint16_t>(Le(bmp.bytes, 28, 2));
  bmp.compression = Le(bmp.bytes, 30, 4);
  bmp.paletteEntries = Le(bmp.bytes, 46, 4);
  // An 8-bit file needs room for any index it may hold.
  const bool knownDepth =
      bmp.bitsPerPixel == 24 ||
      (bmp.bitsPerPixel == 8 && kFileHeaderSize + bmp.infoHeaderSize + 256 * 4 <= bmp.bytes.size());
  return knownDepth && bmp.width > 0 && bmp.height > 0 &&
         bmp.pixelOffset + static_cast<std::size_t>(bmp.RowStride()) * bmp.height <=
             bmp.bytes.size();
}

std::array<std::uint8_t, 3> BmpFile::Pixel(int x, int y) const {
  const std::size_t row = pixelOffset + static_cast<std::size_t>(height - 1 - y) * RowStride();
  std::size_t at = row + static_cast<std::size_t>(x) * 3;
  if (bitsPerPixel == 8) at = kFileHeaderSize + infoHeaderSize + bytes[row + x] * 4u;
  return {bytes[at + 2], bytes[at + 1], bytes[at]};
}
