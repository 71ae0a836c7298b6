// The scene's platform on Windows: the multimedia timer, the C runtime's
// local time, and the bitmap resources of the executable read through GDI.
#pragma once

#include "scene/platform.h"

class Win32Platform final : public ScenePlatform {
 public:
  std::uint32_t Milliseconds() override;
  bool LocalTimeOfDay(TimeOfDay& time) override;
  // Loads the bitmap resource and reads it pixel by pixel in the screen's format.
  bool ReadBitmap(int id, BitmapPixels& bitmap) override;
};
