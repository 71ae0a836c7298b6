// The idle start as the settings dialog turns it on and off: an XDG autostart
// entry that starts vorn-idle at every login, and this session's watcher.
#pragma once

#include <string>

#include "shell/linux/idle_start_setting.h"

// $XDG_CONFIG_HOME/autostart/vorn-idle.desktop (or under ~/.config).
std::string AutostartEntryPath();

// From `before` to `now`: turned on, the entry is written whole and a watcher
// started; a changed time restarts the watcher; turned off, the entry is
// removed and the watcher ended. On failure `error` says what and why.
bool ApplyIdleStart(const IdleStart& before, const IdleStart& now, std::string& error);
