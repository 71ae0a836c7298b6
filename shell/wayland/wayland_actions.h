// The saver's side of closing on Wayland: a close message is a flag that the
// loop judges once the input that arrived with it is handled, as a posted
// message queues behind waiting input; the cursor is the seat's to hide.
#pragma once

#include "shell/screen_saver.h"
#include "shell/wayland/seat_input.h"

class WaylandActions : public SaverWindowActions {
 public:
  // Cursor changes go to the seat from now on.
  void Bind(SeatInput* seat) { seat_ = seat; }
  // True once for each close message posted.
  bool TakeCloseMessage() {
    const bool posted = closePosted_;
    closePosted_ = false;
    return posted;
  }

  void PostCloseMessage() override { closePosted_ = true; }
  void RefreshCursor() override {
    if (seat_ != nullptr) seat_->RefreshCursor();
  }
  // There is no saver password on Linux: locking is the screen locker's job.
  bool VerifyPassword() override { return true; }

 private:
  SeatInput* seat_ = nullptr;
  bool closePosted_ = false;
};
