// The saver's own settings, declared once: every store (the registry, the
// settings file, the page's storage) and the command line's detail names
// follow from this table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class ScreenSaver;

struct SettingChoice {
  std::int32_t value;
  const char* label;
};

struct SaverSetting {
  const char* name;                  // value name in the store
  std::int32_t ScreenSaver::*field;  // the ScreenSaver field it fills
  std::int32_t defaultWithoutStore;  // first run: nothing stored yet
  std::int32_t defaultWithoutValue;  // a store that lacks this value
  // The values it takes, with their names. Stored values outside them are loaded unchanged.
  const SettingChoice* choices;
  std::size_t choiceCount;
};

extern const std::array<SaverSetting, 2> kSaverSettings;

// Whether the setting stored under this name offers this value among its choices.
bool IsOfferedValue(const char* name, std::int32_t value);
