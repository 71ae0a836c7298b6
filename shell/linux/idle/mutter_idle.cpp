// An idle watch that fires each time the threshold passes, and a one-shot
// user-active watch asked for after each; mutter leaving the bus ends the session.
#include "shell/linux/idle/mutter_idle.h"

namespace {
constexpr const char* kMonitor = "org.gnome.Mutter.IdleMonitor";
constexpr const char* kCore = "/org/gnome/Mutter/IdleMonitor/Core";
constexpr int kCallTimeoutMs = 2000;

class MutterIdle : public IdleSource {
 public:
  MutterIdle(GDBusConnection* bus, IdleListener& listener) : bus_(bus), listener_(listener) {}
  ~MutterIdle() override;

  bool Begin(std::uint32_t thresholdMs);

 private:
  // The watch's id; 0 when the call fails.
  guint32 AddWatch(const char* method, GVariant* arguments);
  static void OnWatchFired(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                           GVariant* parameters, gpointer data);
  static void OnVanished(GDBusConnection*, const gchar*, gpointer data) {
    static_cast<MutterIdle*>(data)->listener_.OnSessionEnded();
  }

  GDBusConnection* bus_;
  IdleListener& listener_;
  guint subscription_ = 0;
  guint nameWatch_ = 0;
  guint32 idleWatch_ = 0;
  guint32 activeWatch_ = 0;
};

MutterIdle::~MutterIdle() {
  if (nameWatch_ != 0) g_bus_unwatch_name(nameWatch_);
  if (subscription_ != 0) g_dbus_connection_signal_unsubscribe(bus_, subscription_);
}

guint32 MutterIdle::AddWatch(const char* method, GVariant* arguments) {
  GVariant* reply = g_dbus_connection_call_sync(
      bus_, kMonitor, kCore, kMonitor, method, arguments, G_VARIANT_TYPE("(u)"),
      G_DBUS_CALL_FLAGS_NO_AUTO_START, kCallTimeoutMs, nullptr, nullptr);
  if (reply == nullptr) return 0;
  guint32 id = 0;
  g_variant_get(reply, "(u)", &id);
  g_variant_unref(reply);
  return id;
}

bool MutterIdle::Begin(std::uint32_t thresholdMs) {
  subscription_ =
      g_dbus_connection_signal_subscribe(bus_, kMonitor, kMonitor, "WatchFired", kCore, nullptr,
                                         G_DBUS_SIGNAL_FLAGS_NONE, OnWatchFired, this, nullptr);
  idleWatch_ = AddWatch("AddIdleWatch", g_variant_new("(t)", static_cast<guint64>(thresholdMs)));
  if (idleWatch_ == 0) return false;
  nameWatch_ = g_bus_watch_name_on_connection(bus_, kMonitor, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                              nullptr, OnVanished, this, nullptr);
  return true;
}

void MutterIdle::OnWatchFired(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                              const gchar*, GVariant* parameters, gpointer data) {
  auto* self = static_cast<MutterIdle*>(data);
  guint32 id = 0;
  g_variant_get(parameters, "(u)", &id);
  if (id == self->idleWatch_) {
    // Asked for first, so that input coming while the saver starts is not missed.
    self->activeWatch_ = self->AddWatch("AddUserActiveWatch", nullptr);
    self->listener_.OnIdle();
  } else if (id == self->activeWatch_ && id != 0) {
    self->activeWatch_ = 0;
    self->listener_.OnActive();
  }
}
}  // namespace

std::unique_ptr<IdleSource> WatchMutterIdle(GDBusConnection* bus, std::uint32_t thresholdMs,
                                            IdleListener& listener) {
  if (bus == nullptr) return nullptr;
  auto source = std::make_unique<MutterIdle>(bus, listener);
  if (!source->Begin(thresholdMs)) return nullptr;
  return source;
}
