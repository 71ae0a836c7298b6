// The watcher's reactions to the idle source and to its saver.
#include "shell/linux/idle/idle_watcher.h"

#include "shell/linux/idle/session_bus.h"

IdleWatcher::IdleWatcher(GMainLoop* loop, GDBusConnection* bus, std::string vorn)
    : loop_(loop), bus_(bus), saver_(std::move(vorn), [this] { periods_.OnSaverEnded(); }) {}

void IdleWatcher::OnIdle() {
  // The bus is asked only when a saver could start; a locked session is never covered.
  if (periods_.saverRunning()) return;
  if (periods_.OnIdle(!LockedOrInhibited(bus_)) == IdleAction::kStartSaver && !saver_.Start()) {
    periods_.OnSaverEnded();
  }
}

void IdleWatcher::OnActive() { periods_.OnActive(); }

void IdleWatcher::OnSessionEnded() {
  saver_.Stop();
  g_main_loop_quit(loop_);
}
