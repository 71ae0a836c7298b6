// The render loop of every window mode: waiting events first, and a frame
// with a buffer swap whenever none is waiting and the pause after the last
// frame is over.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <functional>

#include "shell/x11/glx_surface.h"

// How frames follow each other, set once before the first loop.
struct FramePacing {
  std::uint32_t delayMicroseconds = 0;  // after each frame; 0 draws back to back
  bool showFrameRate = false;           // the frame rate drawn in a corner
};
extern FramePacing framePacing;

// Handles one event; false ends the loop.
using EventHandler = std::function<bool(XEvent& event)>;

// Runs until the handler says so, a stop signal arrives or a watched window is
// gone; in the last case the surface's window is left alone from then on.
// Draws only while the surface's window can be seen.
void RunRenderLoop(GlxSurface& surface, const EventHandler& handle);
