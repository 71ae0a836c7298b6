// The saver's own settings, declared once: the stores, the dialogs and the
// XScreenSaver option file all follow from this table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class ScreenSaver;

// How a dialog offers a setting: a check box, or one button per choice.
enum class SettingKind { kToggle, kChoice };

struct SettingChoice {
  std::int32_t value;
  const char* label;
};

struct SaverSetting {
  const char* name;                  // value name in the store
  const char* label;                 // what a dialog calls it
  std::int32_t ScreenSaver::*field;  // the ScreenSaver field it fills
  std::int32_t defaultWithoutStore;  // first run: nothing stored yet
  std::int32_t defaultWithoutValue;  // a store that lacks this value
  SettingKind kind;
  // The values a dialog offers. Stored values outside them are loaded unchanged.
  const SettingChoice* choices;
  std::size_t choiceCount;
};

extern const std::array<SaverSetting, 2> kSaverSettings;

// Whether the setting stored under this name offers this value among its choices.
bool IsOfferedValue(const char* name, std::int32_t value);
