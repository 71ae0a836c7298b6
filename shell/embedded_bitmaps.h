// The texture bitmaps that the Linux executable carries inside it, decoded by resource id.
#pragma once

#include <cstdint>
#include <vector>

// Fills the size and the pixels (red, green, blue, top row first) of the bitmap with this
// resource id. False, leaving the outputs alone, when no bitmap has the id or it cannot be decoded.
bool DecodeEmbeddedBitmap(int id, int& width, int& height,
                          std::vector<std::uint8_t>& rgbTopRowFirst);
