// The seat's keyboard and pointer, translated into the saver run's input.
#pragma once

#include <wayland-client.h>

#include <cstdint>

#include "shell/saver_run.h"
#include "shell/screen_saver.h"
#include "shell/wayland/xkb_keys.h"

class SeatInput {
 public:
  // The saver is read for whether the pointer is hidden.
  SeatInput(wl_seat* seat, const ScreenSaver& saver, SaverRun& run);
  ~SeatInput();
  SeatInput(const SeatInput&) = delete;
  SeatInput& operator=(const SeatInput&) = delete;

  // Called once the events that arrived together are handled: a keyboard
  // focus that left the saver's surfaces and did not come to another of them
  // is a switch to another program.
  void SettleFocus();
  // Hides the pointer over the saver's surfaces while saving, as the
  // closing rules say; shows nothing of its own otherwise.
  void RefreshCursor();

  // The seat's events.
  void OnCapabilities(std::uint32_t capabilities);
  void OnKeymap(int fd, std::uint32_t size) { keys_.LoadKeymap(fd, size); }
  void OnKeyboardEnter() { focused_ = true; }
  void OnKeyboardLeave();
  void OnKey(std::uint32_t key, std::uint32_t state);
  void OnModifiers(std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked,
                   std::uint32_t group) {
    keys_.UpdateModifiers(depressed, latched, locked, group);
  }
  void OnPointerEnter(std::uint32_t serial, CursorPoint point);
  void OnPointerLeave() { pointerInside_ = false; }
  void OnPointerMotion(CursorPoint point);
  void OnButton(std::uint32_t button, std::uint32_t state);

 private:
  wl_seat* seat_;
  const ScreenSaver& saver_;
  SaverRun& run_;
  XkbKeys keys_;
  wl_keyboard* keyboard_ = nullptr;
  wl_pointer* pointer_ = nullptr;
  std::uint32_t pointerSerial_ = 0;  // of the last pointer enter, for setting the cursor
  bool pointerInside_ = false;
  CursorPoint pointerAt_;  // on the surface it is over
  bool focused_ = false;
  bool focusLeft_ = false;  // since the last settling
};
