// What the Windows shell keeps for the whole run: the instance handle, the
// run mode and the one ScreenSaver object, each set once by WinMain; the
// saver window and its run, while they exist.
#pragma once

#include <windows.h>

#include "shell/saver_mode.h"
#include "shell/saver_run.h"
#include "shell/screen_saver.h"

// Where the resources, the window class and the dialog come from.
extern HINSTANCE instanceHandle;
extern SaverMode saverMode;
// Set from just after the switches are read until WinMain returns.
extern ScreenSaver* screenSaver;
// From its creation until it is destroyed.
extern HWND saverWindow;
// While the saver window runs.
extern SaverRun* saverRun;
