// What the session bus tells the watcher besides idle times: whether a saver
// service already runs, and whether the session is locked or held awake.
#pragma once

#include <gio/gio.h>

#include <string>

// The session bus, or nullptr when the session has none. Never starts a bus.
GDBusConnection* OpenSessionBus();

// "org.freedesktop.ScreenSaver" when someone owns that name, else empty.
std::string SaverService(GDBusConnection* bus);

// True while a screen locker or saver is active (org.freedesktop.ScreenSaver,
// org.gnome.ScreenSaver), or GNOME's session manager has an idle inhibitor.
bool LockedOrInhibited(GDBusConnection* bus);
