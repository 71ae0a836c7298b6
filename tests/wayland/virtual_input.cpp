// A keyboard and a pointer for the Wayland tests, on a compositor that has
// no input devices of its own. The keyboard only stands there, so that the
// seat has one before the program under test starts (wtype's own keyboard
// comes and goes too fast to be bound in time); the pointer follows the
// commands read, one a line, from standard input:
//   to X Y          put it at X, Y of the layout (of the size given at start)
//   move DX DY      move it by DX, DY
//   press BUTTON, release BUTTON   left, right or middle
// Usage: virtual_input LAYOUT_WIDTH LAYOUT_HEIGHT COMMANDS. Prints "ready" once both
// devices exist, and "done" after each command, once the compositor has it.
#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "virtual-keyboard-unstable-v1.h"
#include "wlr-virtual-pointer-unstable-v1.h"

namespace {
wl_seat* seat = nullptr;
zwlr_virtual_pointer_manager_v1* pointerManager = nullptr;
zwp_virtual_keyboard_manager_v1* keyboardManager = nullptr;

void OnGlobal(void*, wl_registry* registry, std::uint32_t id, const char* interface,
              std::uint32_t) {
  if (std::strcmp(interface, wl_seat_interface.name) == 0) {
    seat = static_cast<wl_seat*>(wl_registry_bind(registry, id, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
    pointerManager = static_cast<zwlr_virtual_pointer_manager_v1*>(
        wl_registry_bind(registry, id, &zwlr_virtual_pointer_manager_v1_interface, 1));
  } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
    keyboardManager = static_cast<zwp_virtual_keyboard_manager_v1*>(
        wl_registry_bind(registry, id, &zwp_virtual_keyboard_manager_v1_interface, 1));
  }
}
void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

// The default keymap of xkbcommon, handed over in a file as the protocol wants.
bool SendKeymap(zwp_virtual_keyboard_v1* keyboard) {
  xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  xkb_rule_names names{};
  xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
  if (keymap == nullptr) return false;
  char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
  const std::size_t size = std::strlen(text) + 1;
  const int fd = memfd_create("keymap", MFD_CLOEXEC);
  const bool written = fd >= 0 && write(fd, text, size) == static_cast<ssize_t>(size);
  if (written) zwp_virtual_keyboard_v1_keymap(keyboard, XKB_KEYMAP_FORMAT_TEXT_V1, fd, size);
  if (fd >= 0) close(fd);
  std::free(text);
  xkb_keymap_unref(keymap);
  xkb_context_unref(context);
  return written;
}

bool ButtonCode(const std::string& name, std::uint32_t& code) {
  if (name == "left")
    code = BTN_LEFT;
  else if (name == "right")
    code = BTN_RIGHT;
  else if (name == "middle")
    code = BTN_MIDDLE;
  else
    return false;
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: virtual_input LAYOUT_WIDTH LAYOUT_HEIGHT COMMANDS\n", stderr);
    return 2;
  }
  const auto width = static_cast<std::uint32_t>(std::atoi(argv[1]));
  const auto height = static_cast<std::uint32_t>(std::atoi(argv[2]));
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    std::fputs("virtual_input: no Wayland compositor\n", stderr);
    return 1;
  }
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, nullptr);
  wl_display_roundtrip(display);
  if (seat == nullptr || pointerManager == nullptr || keyboardManager == nullptr) {
    std::fputs("virtual_input: the compositor lacks a seat or virtual input\n", stderr);
    return 1;
  }
  auto* keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboardManager, seat);
  if (!SendKeymap(keyboard)) return 1;
  auto* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(pointerManager, seat);
  wl_display_roundtrip(display);
  std::cout << "ready" << std::endl;

  std::uint32_t time = 0;
  std::ifstream commands(argv[3]);
  std::string line;
  while (std::getline(commands, line)) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    time += 10;
    if (command == "to") {
      std::uint32_t x = 0, y = 0;
      words >> x >> y;
      zwlr_virtual_pointer_v1_motion_absolute(pointer, time, x, y, width, height);
    } else if (command == "move") {
      double dx = 0, dy = 0;
      words >> dx >> dy;
      zwlr_virtual_pointer_v1_motion(pointer, time, wl_fixed_from_double(dx),
                                     wl_fixed_from_double(dy));
    } else if (command == "press" || command == "release") {
      std::string name;
      std::uint32_t code = 0;
      words >> name;
      if (!ButtonCode(name, code)) {
        std::cerr << "virtual_input: no button " << name << std::endl;
        continue;
      }
      zwlr_virtual_pointer_v1_button(
          pointer, time, code,
          command == "press" ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    } else {
      std::cerr << "virtual_input: no command " << command << std::endl;
      continue;
    }
    zwlr_virtual_pointer_v1_frame(pointer);
    if (wl_display_roundtrip(display) < 0) return 1;
    std::cout << "done" << std::endl;
  }
  zwlr_virtual_pointer_v1_destroy(pointer);
  zwp_virtual_keyboard_v1_destroy(keyboard);
  wl_display_disconnect(display);
  return 0;
}
