// What closing asks of the saver window on Windows: a posted close message,
// a cursor refresh, and the password prompt.
#pragma once

#include "shell/screen_saver.h"

// Acts on the saver window.
class WindowActions final : public SaverWindowActions {
 public:
  void PostCloseMessage() override;
  void RefreshCursor() override;
  bool VerifyPassword() override;
};
