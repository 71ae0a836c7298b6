// Finding the configuration dialog on screen, for the test helpers.
#pragma once

#include <windows.h>

// The dialog once it shows, or nullptr if it does not within 20 seconds.
inline HWND WaitForConfigDialog() {
  constexpr DWORD kPatienceMs = 20000;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kPatienceMs) {
    HWND dialog = FindWindowA("#32770", "ORVALINDE screen saver collection");
    if (dialog != nullptr && IsWindowVisible(dialog)) return dialog;
    Sleep(50);
  }
  return nullptr;
}
