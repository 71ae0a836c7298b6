// Short synchronous calls that never start a service: a desktop that lacks
// one simply does not answer, and counts as unlocked and free.
#include "shell/linux/idle/session_bus.h"

#include <cstdlib>
#include <string>

namespace {
constexpr int kCallTimeoutMs = 1000;
constexpr guint32 kInhibitIdle = 8;  // GNOME's inhibitor flag for "the session is not idle"

bool HasAddress() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address != nullptr && address[0] != '\0') return true;
  // GLib finds the bus of systemd's user session there by itself.
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime != nullptr &&
         g_file_test((std::string(runtime) + "/bus").c_str(), G_FILE_TEST_EXISTS);
}

// The boolean answer of a method; false when there is no answer.
bool AskTrue(GDBusConnection* bus, const char* service, const char* path, const char* interface,
             const char* method, GVariant* arguments) {
  GVariant* reply = g_dbus_connection_call_sync(
      bus, service, path, interface, method, arguments, G_VARIANT_TYPE("(b)"),
      G_DBUS_CALL_FLAGS_NO_AUTO_START, kCallTimeoutMs, nullptr, nullptr);
  if (reply == nullptr) return false;
  gboolean answer = FALSE;
  g_variant_get(reply, "(b)", &answer);
  g_variant_unref(reply);
  return answer != FALSE;
}
}  // namespace

GDBusConnection* OpenSessionBus() {
  if (!HasAddress()) return nullptr;
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (bus != nullptr) g_dbus_connection_set_exit_on_close(bus, FALSE);
  return bus;
}

std::string SaverService(GDBusConnection* bus) {
  constexpr const char* kService = "org.freedesktop.ScreenSaver";
  if (bus == nullptr) return "";
  return AskTrue(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                 "NameHasOwner", g_variant_new("(s)", kService))
             ? kService
             : "";
}

bool LockedOrInhibited(GDBusConnection* bus) {
  if (bus == nullptr) return false;
  return AskTrue(bus, "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                 "org.freedesktop.ScreenSaver", "GetActive", nullptr) ||
         AskTrue(bus, "org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver",
                 "GetActive", nullptr) ||
         AskTrue(bus, "org.gnome.SessionManager", "/org/gnome/SessionManager",
                 "org.gnome.SessionManager", "IsInhibited", g_variant_new("(u)", kInhibitIdle));
}
