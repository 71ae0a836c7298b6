// The saver window and its render loop: a full-screen popup or a child that
// fills the host's preview window, with an OpenGL context, drawing frames
// whenever no message waits. Returns when the window has been destroyed.
#pragma once

#include <windows.h>

// parent is the host's preview window; full-screen saving ignores it.
void RunSaverWindow(HWND parent, int showCommand);
