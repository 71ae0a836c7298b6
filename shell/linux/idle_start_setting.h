// Starting the saver when the desktop is idle: a setting of Linux alone, so it
// stays out of the table that Windows' registry shares, and lives in the same
// settings file, beside Rotate and Detail.
#pragma once

#include <cstdint>

#include "shell/settings_store.h"

constexpr const char* kIdleStartName = "StartWhenIdle";  // 0 off, 1 on
constexpr const char* kIdleMinutesName = "IdleMinutes";
constexpr std::int32_t kFewestIdleMinutes = 1;
constexpr std::int32_t kMostIdleMinutes = 120;
constexpr std::int32_t kDefaultIdleMinutes = 10;

struct IdleStart {
  bool enabled = false;  // nothing starts by itself until the user says so
  std::int32_t minutes = kDefaultIdleMinutes;
};

// A value that is missing, not 0 or 1, or minutes outside 1 to 120 keeps its default.
IdleStart LoadIdleStart(SettingsStore& store);
// Opens the store, writes both values and closes it; other values stay.
void SaveIdleStart(SettingsStore& store, const IdleStart& idleStart);
