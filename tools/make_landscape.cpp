// Cuts a square out of a photograph and scales it to the 256 x 256 landscape texture,
// a 24-bit bitmap.
// Usage: make_landscape SOURCE LEFT TOP SIZE OUTPUT.bmp
#include <stb/stb_image_resize.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "tools/bmp_writer.h"
#include "tools/image_loader.h"

namespace {
constexpr int kEdge = 256;

bool ParseInt(const char* text, int& value) {
  char* end = nullptr;
  const long parsed = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || parsed < 0 || parsed > 1 << 20) return false;
  value = static_cast<int>(parsed);
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  int left = 0;
  int top = 0;
  int size = 0;
  if (argc != 6 || !ParseInt(argv[2], left) || !ParseInt(argv[3], top) ||
      !ParseInt(argv[4], size) || size == 0) {
    std::fprintf(stderr, "usage: make_landscape SOURCE LEFT TOP SIZE OUTPUT.bmp\n");
    return 2;
  }
  RgbImage photo;
  if (!LoadRgbImage(argv[1], photo)) {
    std::fprintf(stderr, "make_landscape: cannot read %s\n", argv[1]);
    return 1;
  }
  if (left + size > photo.width || top + size > photo.height) {
    std::fprintf(stderr, "make_landscape: the square leaves the %dx%d picture\n", photo.width,
                 photo.height);
    return 1;
  }
  RgbImage landscape;
  landscape.width = kEdge;
  landscape.height = kEdge;
  landscape.pixels.resize(static_cast<std::size_t>(kEdge) * kEdge * 3);
  const int stride = photo.width * 3;
  const unsigned char* corner =
      photo.pixels.data() + static_cast<std::size_t>(top) * stride + left * 3;
  // Mitchell filtering in linear light keeps the bright sky from darkening the edges of the hills.
  if (!stbir_resize_uint8_generic(corner, size, size, stride, landscape.pixels.data(), kEdge, kEdge,
                                  0, 3, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP,
                                  STBIR_FILTER_MITCHELL, STBIR_COLORSPACE_SRGB, nullptr)) {
    std::fprintf(stderr, "make_landscape: scaling failed\n");
    return 1;
  }
  if (!WriteBytes(argv[5], EncodeBmp24(landscape))) {
    std::fprintf(stderr, "make_landscape: cannot write %s\n", argv[5]);
    return 1;
  }
  return 0;
}
