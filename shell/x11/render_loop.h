// The render loop of every window mode: waiting events first, and a frame
// with a buffer swap whenever none is waiting.
#pragma once

#include <X11/Xlib.h>

#include <functional>

#include "shell/x11/glx_surface.h"

// Handles one event; false ends the loop.
using EventHandler = std::function<bool(XEvent& event)>;

// Runs until the handler says so, a stop signal arrives or a watched window is
// gone; in the last case the surface's window is left alone from then on.
void RunRenderLoop(GlxSurface& surface, const EventHandler& handle);
