// The saver window's side of closing on X: the close message is a client
// message that the window sends itself, so it queues behind waiting input as
// a posted message would; the cursor is a blank one while saving.
#pragma once

#include <X11/Xlib.h>

#include "shell/saver_mode.h"
#include "shell/screen_saver.h"

class WindowActions : public SaverWindowActions {
 public:
  // Carries out nothing until bound to the saver window.
  void Bind(Display* display, Window window, SaverMode mode, const ScreenSaver& saver);
  void Unbind();

  // The type of the close message, for telling it apart when it arrives.
  Atom closeMessage() const { return closeMessage_; }

  void PostCloseMessage() override;
  void RefreshCursor() override;
  // There is no saver password on Linux: locking is the screen locker's job.
  bool VerifyPassword() override { return true; }

 private:
  Display* display_ = nullptr;
  Window window_ = 0;
  SaverMode mode_ = SaverMode::kNothing;
  const ScreenSaver* saver_ = nullptr;
  Atom closeMessage_ = 0;
  Cursor blankCursor_ = 0;
  Cursor arrowCursor_ = 0;
};
