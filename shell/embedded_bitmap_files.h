// The texture bitmap files as the build packs them into the executable, each under its
// resource id. The table itself is generated from resources/bitmaps by cmake/embed_files.cmake.
#pragma once

#include <cstddef>
#include <cstdint>

// The table's ids are the bitmaps' IDB_ names.
#include "resources/resource.h"

struct EmbeddedFile {
  int id;
  const std::uint8_t* data;
  std::size_t size;
};

extern const EmbeddedFile kEmbeddedBitmapFiles[];
extern const int kEmbeddedBitmapFilesCount;
