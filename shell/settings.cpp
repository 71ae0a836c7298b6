// The table of the saver's own settings: mouse control and detail level.
#include "shell/settings.h"

#include <cstring>
#include <iterator>

#include "shell/screen_saver.h"

namespace {
constexpr SettingChoice kRotateChoices[] = {{0, "Off"}, {1, "On"}};
constexpr SettingChoice kDetailChoices[] = {{0, "Low"}, {1, "Middle"}, {2, "High"}};
}  // namespace

const std::array<SaverSetting, 2> kSaverSettings = {{
    {"Rotate", &ScreenSaver::mouseControl, 1, 1, kRotateChoices, std::size(kRotateChoices)},
    {"Detail", &ScreenSaver::detail, 2, 1, kDetailChoices, std::size(kDetailChoices)},
}};

bool IsOfferedValue(const char* name, std::int32_t value) {
  for (const SaverSetting& setting : kSaverSettings) {
    if (std::strcmp(setting.name, name) != 0) continue;
    for (std::size_t i = 0; i < setting.choiceCount; ++i) {
      if (setting.choices[i].value == value) return true;
    }
  }
  return false;
}
