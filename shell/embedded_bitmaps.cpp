#include "shell/embedded_bitmaps.h"

#include <stb/stb_image.h>

#include <algorithm>
#include <cstddef>

#include "shell/embedded_bitmap_files.h"

bool DecodeEmbeddedBitmap(int id, int& width, int& height,
                          std::vector<std::uint8_t>& rgbTopRowFirst) {
  const EmbeddedFile* end = kEmbeddedBitmapFiles + kEmbeddedBitmapFilesCount;
  const EmbeddedFile* file = std::find_if(
      kEmbeddedBitmapFiles, end, [id](const EmbeddedFile& entry) { return entry.id == id; });
  if (file == end) return false;
  int decodedWidth = 0;
  int decodedHeight = 0;
  int channelsInFile = 0;
  stbi_uc* pixels = stbi_load_from_memory(file->data, static_cast<int>(file->size), &decodedWidth,
                                          &decodedHeight, &channelsInFile, 3);
  if (pixels == nullptr) return false;
  width = decodedWidth;
  height = decodedHeight;
  rgbTopRowFirst.assign(pixels, pixels + static_cast<std::size_t>(width) * height * 3);
  stbi_image_free(pixels);
  return true;
}
