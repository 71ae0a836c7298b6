// A window that keeps the desktop awake, as a video player does: a small
// xdg_toplevel with an idle inhibitor on its surface, held until the process
// is ended. Prints "ready" once the compositor has both.
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "idle-inhibit-unstable-v1.h"
#include "xdg-shell.h"

namespace {
constexpr int kSide = 64;
constexpr int kStride = kSide * 4;

wl_compositor* compositor = nullptr;
wl_shm* shm = nullptr;
xdg_wm_base* windowManager = nullptr;
zwp_idle_inhibit_manager_v1* inhibitManager = nullptr;
bool configured = false;

void OnGlobal(void*, wl_registry* registry, std::uint32_t id, const char* interface,
              std::uint32_t) {
  if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
    compositor =
        static_cast<wl_compositor*>(wl_registry_bind(registry, id, &wl_compositor_interface, 1));
  } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
    shm = static_cast<wl_shm*>(wl_registry_bind(registry, id, &wl_shm_interface, 1));
  } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
    windowManager =
        static_cast<xdg_wm_base*>(wl_registry_bind(registry, id, &xdg_wm_base_interface, 1));
  } else if (std::strcmp(interface, zwp_idle_inhibit_manager_v1_interface.name) == 0) {
    inhibitManager = static_cast<zwp_idle_inhibit_manager_v1*>(
        wl_registry_bind(registry, id, &zwp_idle_inhibit_manager_v1_interface, 1));
  }
}
void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

void OnPing(void*, xdg_wm_base* base, std::uint32_t serial) { xdg_wm_base_pong(base, serial); }
const xdg_wm_base_listener kBaseListener = {OnPing};

void OnConfigure(void*, xdg_surface* surface, std::uint32_t serial) {
  xdg_surface_ack_configure(surface, serial);
  configured = true;
}
const xdg_surface_listener kSurfaceListener = {OnConfigure};

// A grey square in shared memory.
wl_buffer* Square() {
  const int file = memfd_create("idle-inhibitor", MFD_CLOEXEC);
  if (file < 0 || ftruncate(file, kStride * kSide) != 0) return nullptr;
  void* pixels = mmap(nullptr, kStride * kSide, PROT_WRITE, MAP_SHARED, file, 0);
  if (pixels == MAP_FAILED) return nullptr;
  std::memset(pixels, 0x80, kStride * kSide);
  wl_shm_pool* pool = wl_shm_create_pool(shm, file, kStride * kSide);
  wl_buffer* buffer =
      wl_shm_pool_create_buffer(pool, 0, kSide, kSide, kStride, WL_SHM_FORMAT_XRGB8888);
  wl_shm_pool_destroy(pool);
  close(file);
  return buffer;
}
}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    std::fputs("idle_inhibitor: no Wayland display\n", stderr);
    return 1;
  }
  wl_registry_add_listener(wl_display_get_registry(display), &kRegistryListener, nullptr);
  wl_display_roundtrip(display);
  if (compositor == nullptr || shm == nullptr || windowManager == nullptr ||
      inhibitManager == nullptr) {
    std::fputs("idle_inhibitor: the compositor lacks a protocol it needs\n", stderr);
    return 1;
  }
  xdg_wm_base_add_listener(windowManager, &kBaseListener, nullptr);
  wl_surface* surface = wl_compositor_create_surface(compositor);
  xdg_surface* shell = xdg_wm_base_get_xdg_surface(windowManager, surface);
  xdg_surface_add_listener(shell, &kSurfaceListener, nullptr);
  xdg_toplevel_set_title(xdg_surface_get_toplevel(shell), "idle inhibitor");
  wl_surface_commit(surface);
  while (!configured && wl_display_dispatch(display) >= 0) {
  }
  wl_buffer* square = Square();
  if (square == nullptr) return 1;
  wl_surface_attach(surface, square, 0, 0);
  zwp_idle_inhibit_manager_v1_create_inhibitor(inhibitManager, surface);
  wl_surface_commit(surface);
  wl_display_roundtrip(display);
  std::puts("ready");
  std::fflush(stdout);
  while (wl_display_dispatch(display) >= 0) {
  }
  return 0;
}
