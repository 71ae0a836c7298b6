// The reflected landscape and the marble, built once as mipmapped textures
// from the platform's bitmaps: 256×256 for full-screen saving, 32×32 otherwise.
#pragma once

#include <cstdint>

#include "scene/platform.h"

// Fills reflectionTexture and floorTexture by fullSizeTextures. Ends the
// process with exit code 1 if a bitmap cannot be read or a texture built.
void LoadTextures();
std::uint32_t LoadTexture256(int bitmapId);
std::uint32_t LoadTexture32(int bitmapId);

// The texels of an edge × edge texture read from a bitmap: bottom row first,
// RGBA, opaque; pixels outside the bitmap read as white.
void ReadTexels(const BitmapPixels& bitmap, int edge, std::uint8_t* texels);
