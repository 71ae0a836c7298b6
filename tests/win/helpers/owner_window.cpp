// Test helper: a captioned window at a fixed place, to own the configuration
// dialog the way the Screen Saver settings do. Prints, one per line:
//   owner HWND X Y   its handle in decimal and its client area's corner on the screen
//   owned X Y        the client area's corner of the first window it comes to own,
//                    or "nothing owned" if none shows within 20 seconds
// then handles messages until it is killed.
#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace {
constexpr DWORD kPatienceMs = 20000;

struct Search {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindOwned(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  if (GetWindow(window, GW_OWNER) != search->owner || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

POINT ClientCorner(HWND window) {
  POINT corner{0, 0};
  ClientToScreen(window, &corner);
  return corner;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}
}  // namespace

int main() {
  HWND owner =
      CreateWindowExA(0, "STATIC", "vorn dialog owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 120, 90,
                      400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (owner == nullptr) {
    std::fprintf(stderr, "owner_window: cannot create the window\n");
    return 1;
  }
  const POINT corner = ClientCorner(owner);
  std::printf("owner %llu %ld %ld\n",
              static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(owner)), corner.x,
              corner.y);
  std::fflush(stdout);

  Search search{owner, nullptr};
  const DWORD start = GetTickCount();
  while (search.found == nullptr && GetTickCount() - start < kPatienceMs) {
    PumpMessages();
    EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&search));
    Sleep(50);
  }
  if (search.found == nullptr) {
    std::printf("nothing owned\n");
  } else {
    const POINT owned = ClientCorner(search.found);
    std::printf("owned %ld %ld\n", owned.x, owned.y);
  }
  std::fflush(stdout);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
