// The saver's settings as every Linux mode loads them: no system store, the
// settings file, and --detail for this run only.
#pragma once

#include "shell/launch_options.h"
#include "shell/screen_saver.h"

// Also sets the scene's detail level.
void LoadSaverSettings(ScreenSaver& saver, const LaunchOptions& launch);
