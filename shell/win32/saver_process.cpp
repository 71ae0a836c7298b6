// The Windows shell's process-wide values, with their start values.
#include "shell/win32/saver_process.h"

HINSTANCE instanceHandle = nullptr;
SaverMode saverMode = SaverMode::kNothing;
ScreenSaver* screenSaver = nullptr;
HWND saverWindow = nullptr;
SaverRun* saverRun = nullptr;
