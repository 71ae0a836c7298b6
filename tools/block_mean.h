// Shrinks a picture by an integer factor, each new pixel the mean of a factor x factor block.
#pragma once

#include "tools/rgb_image.h"

// Each channel is the block's integer mean rounded to nearest: (sum + count / 2) / count.
// The width and height must be multiples of factor.
RgbImage ShrinkByBlockMean(const RgbImage& image, int factor);
