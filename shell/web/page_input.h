// The page's keys and mouse, translated into the saver run's input: Enter
// switches the look, drags turn and zoom the view, and what would close a
// saver leaves full-screen.
#pragma once

#include "shell/saver_run.h"

// Listens on the window for keys and on the canvas for the mouse.
void ListenToPageInput(SaverRun& run);
