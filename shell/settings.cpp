// The table of the saver's own settings: mouse control and detail level.
#include "shell/settings.h"

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
