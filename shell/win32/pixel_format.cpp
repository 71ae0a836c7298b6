// Choosing, checking and setting the saver window's pixel format.
#include "shell/win32/pixel_format.h"

namespace {
constexpr BYTE kColourBits = 32;
}  // namespace

PixelFormatResult SetSaverPixelFormat(HDC dc, PIXELFORMATDESCRIPTOR& format) {
  PIXELFORMATDESCRIPTOR request{};
  request.nSize = sizeof request;
  request.nVersion = 1;
  request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  request.iPixelType = PFD_TYPE_RGBA;
  request.cColorBits = kColourBits;
  request.cDepthBits = kDepthBits;

  const int chosen = ChoosePixelFormat(dc, &request);
  // The nearest match may still lack a depth buffer; without one the scene
  // draws far parts over near ones, so such a format does not suit either.
  if (chosen == 0 || DescribePixelFormat(dc, chosen, sizeof format, &format) == 0 ||
      format.cDepthBits == 0) {
    return PixelFormatResult::kNoSuitableFormat;
  }
  if (!SetPixelFormat(dc, chosen, &request)) return PixelFormatResult::kCannotSet;
  DescribePixelFormat(dc, chosen, sizeof format, &format);
  return PixelFormatResult::kSet;
}
