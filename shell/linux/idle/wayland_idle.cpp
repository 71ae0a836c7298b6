// One idle notification object on the first seat; the display's socket is
// watched by the GLib main loop.
#include "shell/linux/idle/wayland_idle.h"

#include <glib-unix.h>
#include <glib.h>
#include <wayland-client.h>

#include <cstdlib>
#include <cstring>

#include "ext-idle-notify-v1.h"
#include "idle.h"

namespace {
class WaylandIdle : public IdleSource {
 public:
  WaylandIdle(wl_display* display, IdleListener& listener)
      : display_(display), listener_(listener) {}
  ~WaylandIdle() override;

  // Finds the protocols and asks for the notices; false when that is impossible.
  bool Begin(std::uint32_t thresholdMs);

 private:
  static void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
  static void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}
  static void OnIdled(void* data, ext_idle_notification_v1*) {
    static_cast<WaylandIdle*>(data)->listener_.OnIdle();
  }
  static void OnResumed(void* data, ext_idle_notification_v1*) {
    static_cast<WaylandIdle*>(data)->listener_.OnActive();
  }
  static void OnKdeIdle(void* data, org_kde_kwin_idle_timeout*) {
    static_cast<WaylandIdle*>(data)->listener_.OnIdle();
  }
  static void OnKdeResumed(void* data, org_kde_kwin_idle_timeout*) {
    static_cast<WaylandIdle*>(data)->listener_.OnActive();
  }
  static gboolean OnSocket(gint, GIOCondition condition, gpointer data);

  static constexpr wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};
  static constexpr ext_idle_notification_v1_listener kNotificationListener = {OnIdled, OnResumed};
  static constexpr org_kde_kwin_idle_timeout_listener kKdeListener = {OnKdeIdle, OnKdeResumed};

  wl_display* display_;
  IdleListener& listener_;
  wl_registry* registry_ = nullptr;
  wl_seat* seat_ = nullptr;
  ext_idle_notifier_v1* notifier_ = nullptr;
  org_kde_kwin_idle* kdeIdle_ = nullptr;
  ext_idle_notification_v1* notification_ = nullptr;
  org_kde_kwin_idle_timeout* kdeTimeout_ = nullptr;
  guint socketWatch_ = 0;
};

WaylandIdle::~WaylandIdle() {
  if (socketWatch_ != 0) g_source_remove(socketWatch_);
  if (notification_ != nullptr) ext_idle_notification_v1_destroy(notification_);
  if (kdeTimeout_ != nullptr) org_kde_kwin_idle_timeout_release(kdeTimeout_);
  if (notifier_ != nullptr) ext_idle_notifier_v1_destroy(notifier_);
  if (kdeIdle_ != nullptr) org_kde_kwin_idle_destroy(kdeIdle_);
  if (seat_ != nullptr) wl_seat_destroy(seat_);
  if (registry_ != nullptr) wl_registry_destroy(registry_);
  wl_display_disconnect(display_);
}

void WaylandIdle::OnGlobal(void* data, wl_registry* registry, std::uint32_t name,
                           const char* interface, std::uint32_t) {
  auto* self = static_cast<WaylandIdle*>(data);
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && self->seat_ == nullptr) {
    self->seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0) {
    self->notifier_ = static_cast<ext_idle_notifier_v1*>(
        wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
  } else if (std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0) {
    self->kdeIdle_ = static_cast<org_kde_kwin_idle*>(
        wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, 1));
  }
}

bool WaylandIdle::Begin(std::uint32_t thresholdMs) {
  registry_ = wl_display_get_registry(display_);
  wl_registry_add_listener(registry_, &kRegistryListener, this);
  if (wl_display_roundtrip(display_) < 0 || seat_ == nullptr) return false;
  if (notifier_ != nullptr) {
    notification_ = ext_idle_notifier_v1_get_idle_notification(notifier_, thresholdMs, seat_);
    ext_idle_notification_v1_add_listener(notification_, &kNotificationListener, this);
  } else if (kdeIdle_ != nullptr) {
    kdeTimeout_ = org_kde_kwin_idle_get_idle_timeout(kdeIdle_, seat_, thresholdMs);
    org_kde_kwin_idle_timeout_add_listener(kdeTimeout_, &kKdeListener, this);
  } else {
    return false;
  }
  if (wl_display_flush(display_) < 0) return false;
  const auto watched = static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR);
  socketWatch_ = g_unix_fd_add(wl_display_get_fd(display_), watched, OnSocket, this);
  return true;
}

gboolean WaylandIdle::OnSocket(gint, GIOCondition condition, gpointer data) {
  auto* self = static_cast<WaylandIdle*>(data);
  // A hang-up with nothing left to read, or a read that fails: the compositor is gone.
  if ((condition & G_IO_IN) != 0 && wl_display_dispatch(self->display_) >= 0) {
    wl_display_flush(self->display_);
    return G_SOURCE_CONTINUE;
  }
  self->socketWatch_ = 0;
  self->listener_.OnSessionEnded();
  return G_SOURCE_REMOVE;
}
}  // namespace

std::unique_ptr<IdleSource> WatchWaylandIdle(std::uint32_t thresholdMs, IdleListener& listener) {
  const char* name = std::getenv("WAYLAND_DISPLAY");
  if (name == nullptr || name[0] == '\0') return nullptr;
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return nullptr;
  auto source = std::make_unique<WaylandIdle>(display, listener);
  if (!source->Begin(thresholdMs)) return nullptr;
  return source;
}
