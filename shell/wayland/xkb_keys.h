// Key codes read through xkbcommon with the compositor's keymap, for telling
// Enter apart from every other key whatever the layout.
#pragma once

#include <xkbcommon/xkbcommon.h>

#include <cstdint>

class XkbKeys {
 public:
  XkbKeys();
  ~XkbKeys();
  XkbKeys(const XkbKeys&) = delete;
  XkbKeys& operator=(const XkbKeys&) = delete;

  // Takes the keymap the compositor sent as a text file; closes fd. Without a
  // keymap that can be read every key counts as one other than Enter.
  void LoadKeymap(int fd, std::uint32_t size);
  void UpdateModifiers(std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked,
                       std::uint32_t group);
  // key is the evdev code of a wl_keyboard key event.
  bool IsEnter(std::uint32_t key) const;

 private:
  xkb_context* context_;
  xkb_keymap* keymap_ = nullptr;
  xkb_state* state_ = nullptr;
};
