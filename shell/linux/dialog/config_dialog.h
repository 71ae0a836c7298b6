// The configuration dialog on Linux: a modal GTK window laid out like the
// Windows dialog, showing the saver's two settings and storing them on OK.
#pragma once

#include <functional>
#include <string>

#include "shell/command_line.h"
#include "shell/screen_saver.h"

// Stores the settings; on failure, error names the file and the reason.
using SaveSettingsFunction = std::function<bool(const ScreenSaver& saver, std::string& error)>;

// Runs the dialog until OK, Cancel or its close button; transient for the X
// window `owner` unless that is 0. Returns the process exit code.
int RunConfigDialog(ScreenSaver& saver, const SaveSettingsFunction& save, WindowHandleNumber owner);
