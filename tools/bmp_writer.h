// Encodes uncompressed Windows bitmaps (40-byte information header, bottom row first)
// in the two depths the textures use, and writes them to disk.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/rgb_image.h"

// 24 bits per pixel.
std::vector<std::uint8_t> EncodeBmp24(const RgbImage& image);

// 8 bits per pixel with a full 256-entry colour table; indices are top row first.
using BmpPalette = std::array<std::array<std::uint8_t, 3>, 256>;  // red, green, blue
std::vector<std::uint8_t> EncodeBmp8(int width, int height,
                                     const std::vector<std::uint8_t>& indices,
                                     const BmpPalette& palette);

// False when the file cannot be written completely.
bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
