#include "tools/image_loader.h"

#include <stb/stb_image.h>

#include <cstddef>

bool LoadRgbImage(const std::string& path, RgbImage& image) {
  int width = 0;
  int height = 0;
  int channelsInFile = 0;
  stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &channelsInFile, 3);
  if (pixels == nullptr) return false;
  image.width = width;
  image.height = height;
  image.pixels.assign(pixels, pixels + static_cast<std::size_t>(width) * height * 3);
  stbi_image_free(pixels);
  return true;
}
