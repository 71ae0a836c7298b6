// How a run's frames follow each other, chosen once at start.
#pragma once

#include <cstdint>

struct RunPacing {
  std::uint32_t delayMicroseconds = 0;  // at least this long between frames; 0 back to back
  // Draws the frame rate in a corner of each surface (DrawFrameRate); null draws
  // none, and a platform whose GL cannot draw text never links it.
  void (*drawFrameRate)(double framesPerSecond) = nullptr;
};
