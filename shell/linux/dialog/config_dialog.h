// The configuration dialog on Linux: a modal GTK window laid out like the
// Windows dialog, showing the saver's two settings and storing them on OK,
// with a row of Linux's own below: starting the saver when the desktop is idle.
#pragma once

#include <functional>
#include <string>

#include "shell/command_line.h"
#include "shell/linux/idle_start_setting.h"
#include "shell/screen_saver.h"

// Stores the settings; on failure, error names the file and the reason.
using SaveSettingsFunction =
    std::function<bool(const ScreenSaver& saver, const IdleStart& idleStart, std::string& error)>;

// Runs the dialog until OK, Cancel or its close button; transient for the X
// window `owner` unless that is 0. Returns the process exit code.
int RunConfigDialog(ScreenSaver& saver, IdleStart& idleStart, const SaveSettingsFunction& save,
                    WindowHandleNumber owner);
