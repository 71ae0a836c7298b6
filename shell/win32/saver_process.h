// What the Windows shell keeps for the whole run, each set once by WinMain:
// the instance handle, the run mode and the one ScreenSaver object.
#pragma once

#include <windows.h>

#include "shell/saver_mode.h"
#include "shell/screen_saver.h"

// Where the resources, the window class and the dialog come from.
extern HINSTANCE instanceHandle;
extern SaverMode saverMode;
// Set from just after the switches are read until WinMain returns.
extern ScreenSaver* screenSaver;
