// Carries out what the closing rules answered to an input: a close request on
// the saver, and the day/night toggle or the drag on the scene.
#pragma once

#include "shell/closing_rules.h"
#include "shell/screen_saver.h"

void CarryOut(ScreenSaver& saver, const InputResponse& response);
