// Reads a picture file of any format stb_image knows (JPEG, PNG, BMP of any depth) as RGB.
#pragma once

#include <string>

#include "tools/rgb_image.h"

// False when the file is missing or not a picture stb_image can decode.
bool LoadRgbImage(const std::string& path, RgbImage& image);
