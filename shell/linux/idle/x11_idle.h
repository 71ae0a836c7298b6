// The idle source of X without a saver daemon: the MIT-SCREEN-SAVER
// extension's idle time (libXss), read no more than once a second.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "shell/linux/idle/idle_source.h"

struct X11Idle {
  std::unique_ptr<IdleSource> source;  // empty when X offers none, or declined
  std::string saverDaemon;             // set when another saver already runs there
};

// saverService: whoever owns org.freedesktop.ScreenSaver on the session bus,
// if anyone (a saver daemon of its own, on X).
X11Idle WatchX11Idle(std::uint32_t thresholdMs, IdleListener& listener,
                     const std::string& saverService);
