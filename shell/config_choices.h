// What the configuration dialog shows for the stored settings, and what its
// OK button stores: shared by the dialogs of every platform.
#pragma once

#include <cstdint>

#include "shell/screen_saver.h"

// A stored "Rotate" other than 0 or 1 is shown as neither on nor off.
enum class CheckState { kUnchecked, kChecked, kUndecided };

struct ShownSettings {
  CheckState mouseControl;
  int detail;  // the detail button to select: 0 Low, 1 Middle, 2 High, -1 none
};

ShownSettings ShowSettings(const ScreenSaver& saver);

// Mouse control is on only when the box is plainly checked; the detail is
// Low or Middle as chosen and High otherwise, also when no button is selected.
void StoreChoices(ScreenSaver& saver, bool boxChecked, int detailButton);
