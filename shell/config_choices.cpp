#include "shell/config_choices.h"

namespace {
constexpr int kLow = 0;
constexpr int kMiddle = 1;
constexpr int kHigh = 2;
}  // namespace

ShownSettings ShowSettings(const ScreenSaver& saver) {
  ShownSettings shown{};
  switch (saver.mouseControl) {
    case 0:
      shown.mouseControl = CheckState::kUnchecked;
      break;
    case 1:
      shown.mouseControl = CheckState::kChecked;
      break;
    default:
      shown.mouseControl = CheckState::kUndecided;
      break;
  }
  const bool known = saver.detail >= kLow && saver.detail <= kHigh;
  shown.detail = known ? saver.detail : -1;
  return shown;
}

void StoreChoices(ScreenSaver& saver, bool boxChecked, int detailButton) {
  saver.mouseControl = boxChecked ? 1 : 0;
  saver.detail = (detailButton == kLow || detailButton == kMiddle) ? detailButton : kHigh;
}
