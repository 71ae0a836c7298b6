#include "shell/wayland/xkb_keys.h"

#include <sys/mman.h>
#include <unistd.h>

namespace {
// xkbcommon numbers keys as X does: the evdev code plus 8.
constexpr std::uint32_t kEvdevToXkb = 8;
}  // namespace

XkbKeys::XkbKeys() : context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {}

XkbKeys::~XkbKeys() {
  xkb_state_unref(state_);
  xkb_keymap_unref(keymap_);
  xkb_context_unref(context_);
}

void XkbKeys::LoadKeymap(int fd, std::uint32_t size) {
  void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  close(fd);
  if (text == MAP_FAILED || context_ == nullptr) return;
  // The text ends with a NUL within size.
  xkb_keymap* keymap =
      xkb_keymap_new_from_string(context_, static_cast<const char*>(text),
                                 XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
  munmap(text, size);
  if (keymap == nullptr) return;
  xkb_state_unref(state_);
  xkb_keymap_unref(keymap_);
  keymap_ = keymap;
  state_ = xkb_state_new(keymap_);
}

void XkbKeys::UpdateModifiers(std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked,
                              std::uint32_t group) {
  if (state_ != nullptr) xkb_state_update_mask(state_, depressed, latched, locked, 0, 0, group);
}

bool XkbKeys::IsEnter(std::uint32_t key) const {
  if (state_ == nullptr) return false;
  const xkb_keysym_t symbol = xkb_state_key_get_one_sym(state_, key + kEvdevToXkb);
  return symbol == XKB_KEY_Return || symbol == XKB_KEY_KP_Enter;
}
