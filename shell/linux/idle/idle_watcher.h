// The watcher: hears the idle source, starts the saver when IdlePeriods says
// so and the session is neither locked nor held awake, and ends with the session.
#pragma once

#include <gio/gio.h>

#include <string>

#include "shell/linux/idle/idle_periods.h"
#include "shell/linux/idle/idle_source.h"
#include "shell/linux/idle/saver_child.h"

class IdleWatcher : public IdleListener {
 public:
  // bus may be nullptr: then nothing tells of locks and inhibitors but the idle source.
  IdleWatcher(GMainLoop* loop, GDBusConnection* bus, std::string vorn);

  void OnIdle() override;
  void OnActive() override;
  // Ends the saver, then the main loop. Also for a stop signal.
  void OnSessionEnded() override;

 private:
  GMainLoop* loop_;
  GDBusConnection* bus_;
  IdlePeriods periods_;
  SaverChild saver_;
};
