// The saver window's pixel format: RGBA, double-buffered, 32 colour bits and
// the depth buffer that the scene's depth test needs.
#pragma once

#include <windows.h>

// Asked for by name: Wine over Mesa answers a request without a depth size
// with a format that has no depth buffer at all.
constexpr BYTE kDepthBits = 24;

enum class PixelFormatResult { kSet, kNoSuitableFormat, kCannotSet };

// Chooses a format with a depth buffer, sets it on the device context and
// describes the format set into format.
PixelFormatResult SetSaverPixelFormat(HDC dc, PIXELFORMATDESCRIPTOR& format);
