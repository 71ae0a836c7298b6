// Grabbing input with a few retries, as screen lockers do.
#include "shell/x11/input_grab.h"

#include <chrono>
#include <thread>

namespace {
// Another program's grab is often brief: a window manager's key binding that
// started us keeps the keyboard until the key is released, an open menu until
// it closes. Twenty tries 100 ms apart (about 2 s) outlast a slow key release
// without leaving anyone long in front of a screen that does not answer.
constexpr int kGrabAttempts = 20;
constexpr std::chrono::milliseconds kGrabRetryInterval{100};
constexpr unsigned kPointerEvents = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
}  // namespace

bool TakeKeyboardAndPointer(Display* display, Window window) {
  bool keyboard = false;
  bool pointer = false;
  for (int attempt = 0; attempt < kGrabAttempts && !(keyboard && pointer); ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(kGrabRetryInterval);
    // With owner events, our own windows get their input as they would without the grabs.
    keyboard = keyboard || XGrabKeyboard(display, window, True, GrabModeAsync, GrabModeAsync,
                                         CurrentTime) == GrabSuccess;
    pointer = pointer || XGrabPointer(display, window, True, kPointerEvents, GrabModeAsync,
                                      GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
  }
  if (keyboard && pointer) return true;
  if (keyboard) XUngrabKeyboard(display, CurrentTime);
  if (pointer) XUngrabPointer(display, CurrentTime);
  return false;
}
