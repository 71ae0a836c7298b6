// A saver window that does nothing and accepts every password, for tests of
// the settings that need a ScreenSaver but no window.
#pragma once

#include "shell/screen_saver.h"

class NoWindow : public SaverWindowActions {
 public:
  void PostCloseMessage() override {}
  void RefreshCursor() override {}
  bool VerifyPassword() override { return true; }
};
