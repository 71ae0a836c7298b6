// The saver's settings as every Linux mode loads them: no system store, the
// settings file, and --detail for this run only; and the pacing the launch asks for.
#pragma once

#include "shell/launch_options.h"
#include "shell/run_pacing.h"
#include "shell/screen_saver.h"

void LoadSaverSettings(ScreenSaver& saver, const LaunchOptions& launch);

// The pause after each frame (see FrameDelayMicroseconds), and the frame rate with --fps.
RunPacing PacingFor(const LaunchOptions& launch);
