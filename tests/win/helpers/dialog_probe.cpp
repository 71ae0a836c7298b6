// Test helper: finds the configuration dialog by its caption and prints, for
// each control id given as an argument, one line "ID CHECK X Y": the control's
// check state and the screen position of its centre, where a click lands.
// Exits with 1 if the dialog does not show within 20 seconds.
#include <cstdio>
#include <cstdlib>

#include "tests/win/helpers/config_dialog_window.h"

int main(int argc, char** argv) {
  HWND dialog = WaitForConfigDialog();
  if (dialog == nullptr) {
    std::fprintf(stderr, "dialog_probe: no dialog\n");
    return 1;
  }
  for (int i = 1; i < argc; ++i) {
    const int id = std::atoi(argv[i]);
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) {
      std::printf("%d missing\n", id);
      continue;
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    const auto check = SendMessageA(control, BM_GETCHECK, 0, 0);
    std::printf("%d %ld %ld %ld\n", id, static_cast<long>(check), (rect.left + rect.right) / 2,
                (rect.top + rect.bottom) / 2);
  }
  return 0;
}
