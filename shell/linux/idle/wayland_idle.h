// The idle source of Wayland compositors: ext-idle-notify-v1 where offered
// (kwin, newer wlroots), else KDE's org_kde_kwin_idle (sway 1.7 and the other
// wlroots compositors of Debian 12). Their notices already honour idle inhibitors.
#pragma once

#include <cstdint>
#include <memory>

#include "shell/linux/idle/idle_source.h"

// Empty when WAYLAND_DISPLAY is unset, nothing answers there, or the
// compositor offers neither protocol or no seat.
std::unique_ptr<IdleSource> WatchWaylandIdle(std::uint32_t thresholdMs, IdleListener& listener);
