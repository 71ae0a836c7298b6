// GNOME's idle source: org.gnome.Mutter.IdleMonitor on the session bus, the
// only one mutter offers to other programs.
#pragma once

#include <gio/gio.h>

#include <cstdint>
#include <memory>

#include "shell/linux/idle/idle_source.h"

// Empty when there is no bus or nobody answers there for the monitor.
std::unique_ptr<IdleSource> WatchMutterIdle(GDBusConnection* bus, std::uint32_t thresholdMs,
                                            IdleListener& listener);
