// Keys for the tests on KWin, which offers other programs its own fake input
// protocol (with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1) instead of wlroots'
// virtual keyboard. Reads "key CODE" (a Linux key code) a line at a time from
// the file given (a FIFO), presses and releases it, and prints "done" once
// KWin has it; prints "ready" first.
// Usage: kwin_fake_input COMMANDS
#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "fake-input.h"

namespace {
org_kde_kwin_fake_input* fakeInput = nullptr;

void OnGlobal(void*, wl_registry* registry, std::uint32_t id, const char* interface,
              std::uint32_t) {
  if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0) {
    fakeInput = static_cast<org_kde_kwin_fake_input*>(
        wl_registry_bind(registry, id, &org_kde_kwin_fake_input_interface, 4));
  }
}
void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};
}  // namespace

int main(int argc, char** argv) {
  wl_display* display = wl_display_connect(nullptr);
  if (argc != 2 || display == nullptr) {
    std::fputs("kwin_fake_input: needs a command file and a Wayland display\n", stderr);
    return 1;
  }
  wl_registry_add_listener(wl_display_get_registry(display), &kRegistryListener, nullptr);
  wl_display_roundtrip(display);
  if (fakeInput == nullptr) {
    std::fputs("kwin_fake_input: no org_kde_kwin_fake_input\n", stderr);
    return 1;
  }
  org_kde_kwin_fake_input_authenticate(fakeInput, "vorn tests", "keys for the tests");
  wl_display_roundtrip(display);
  std::puts("ready");
  std::fflush(stdout);
  std::ifstream commands(argv[1]);
  std::string word;
  std::uint32_t code = 0;
  while (commands >> word >> code && word == "key") {
    org_kde_kwin_fake_input_keyboard_key(fakeInput, code, WL_KEYBOARD_KEY_STATE_PRESSED);
    org_kde_kwin_fake_input_keyboard_key(fakeInput, code, WL_KEYBOARD_KEY_STATE_RELEASED);
    wl_display_roundtrip(display);
    std::puts("done");
    std::fflush(stdout);
  }
  return 0;
}
