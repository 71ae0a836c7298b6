// Test helper: prints what Windows (here Wine) makes of the displays, as one
// line "MONITORS X Y WIDTH HEIGHT": the number of monitors and the virtual
// screen that covers them all.
#include <windows.h>

#include <cstdio>

int main() {
  std::printf("%d %d %d %d %d\n", GetSystemMetrics(SM_CMONITORS),
              GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
              GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
  return 0;
}
