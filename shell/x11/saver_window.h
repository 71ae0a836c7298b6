// The saver's own window with its OpenGL context and render loop: covering
// the screen (/s), an ordinary window (--window), or a preview inside a host's
// window (/p). Input follows the shared closing rules.
#pragma once

#include <X11/Xlib.h>

#include "shell/run_pacing.h"
#include "shell/screen_saver.h"
#include "shell/x11/window_actions.h"

enum class SaverPlacement {
  kCoverScreen,     // full-screen saving
  kOrdinaryWindow,  // full-screen saving's rules in a window the window manager places
  kInsideParent,    // preview: a child of parent, of its size at start
};

// The saver's settings are loaded and the scene's platform installed. Returns
// the exit code: 1 when covering the screen could not take the keyboard and
// the pointer, which then stays uncovered.
int RunSaverWindow(Display* display, ScreenSaver& saver, WindowActions& actions,
                   SaverPlacement placement, Window parent, RunPacing pacing);
