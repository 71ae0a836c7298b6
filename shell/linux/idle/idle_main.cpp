// vorn-idle: finds the session's idle source, then runs vorn /s each time the
// desktop has been idle for the set time, until the session ends or a signal
// stops it. One per session.
#include <glib-unix.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "resources/credits.h"
#include "shell/linux/idle/idle_arguments.h"
#include "shell/linux/idle/idle_watcher.h"
#include "shell/linux/idle/mutter_idle.h"
#include "shell/linux/idle/session_bus.h"
#include "shell/linux/idle/wayland_idle.h"
#include "shell/linux/idle/x11_idle.h"
#include "shell/linux/idle_start_setting.h"
#include "shell/linux/session_lock.h"
#include "shell/linux/settings_file.h"
#include "shell/linux/sibling_program.h"

namespace {
constexpr int kFailure = 1;
constexpr int kUsageError = 2;
constexpr std::uint32_t kMsPerSecond = 1000;
constexpr std::uint32_t kSecondsPerMinute = 60;

std::uint32_t ThresholdMs(const IdleArguments& arguments) {
  if (arguments.afterSeconds) return *arguments.afterSeconds * kMsPerSecond;
  SettingsFile settingsFile(SettingsFile::DefaultPath());
  const auto minutes = static_cast<std::uint32_t>(LoadIdleStart(settingsFile).minutes);
  return minutes * kSecondsPerMinute * kMsPerSecond;
}

gboolean OnStopSignal(gpointer watcher) {
  static_cast<IdleWatcher*>(watcher)->OnSessionEnded();
  return G_SOURCE_CONTINUE;
}

void OnBusClosed(GDBusConnection*, gboolean, GError*, gpointer watcher) {
  static_cast<IdleWatcher*>(watcher)->OnSessionEnded();
}

// The first idle source the session offers; empty after saying why in one line.
// status is the exit code then.
std::unique_ptr<IdleSource> FindIdleSource(std::uint32_t thresholdMs, IdleWatcher& watcher,
                                           GDBusConnection* bus, int& status) {
  if (auto wayland = WatchWaylandIdle(thresholdMs, watcher)) return wayland;
  if (auto mutter = WatchMutterIdle(bus, thresholdMs, watcher)) return mutter;
  X11Idle x11 = WatchX11Idle(thresholdMs, watcher, SaverService(bus));
  if (x11.source) return std::move(x11.source);
  if (!x11.saverDaemon.empty()) {
    std::fprintf(stderr, "vorn-idle: another screen saver already runs in this session (%s)\n",
                 x11.saverDaemon.c_str());
    status = 0;
    return nullptr;
  }
  std::fputs(
      "vorn-idle: no idle source: looked for ext-idle-notify-v1 and org_kde_kwin_idle on "
      "Wayland, org.gnome.Mutter.IdleMonitor on the session bus, MIT-SCREEN-SAVER on X\n",
      stderr);
  status = kFailure;
  return nullptr;
}
}  // namespace

int main(int argc, char** argv) {
  const IdleArguments arguments = ParseIdleArguments(argc, argv);
  switch (arguments.command) {
    case IdleCommand::kUsageError:
      std::fprintf(stderr, "vorn-idle: %s\n", arguments.error.c_str());
      return kUsageError;
    case IdleCommand::kHelp:
      std::fputs(kIdleUsageText, stdout);
      return 0;
    case IdleCommand::kVersion:
      std::puts("vorn-idle " VORN_VERSION_TEXT);
      return 0;
    case IdleCommand::kWatch:
      break;
  }
  std::string searched;
  const std::string vorn = FindSiblingProgram("vorn", {"."}, searched);
  if (vorn.empty()) {
    std::fprintf(stderr, "vorn-idle: vorn is missing (looked for %s)\n", searched.c_str());
    return kFailure;
  }
  if (!TakeSessionLock("idle")) {
    std::fprintf(stderr, "vorn-idle: already watching this session (process %d)\n",
                 static_cast<int>(SessionLockHolder("idle")));
    return 0;
  }

  GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
  GDBusConnection* bus = OpenSessionBus();
  IdleWatcher watcher(loop, bus, vorn);
  if (bus != nullptr) g_signal_connect(bus, "closed", G_CALLBACK(OnBusClosed), &watcher);
  for (const int stop : {SIGTERM, SIGINT, SIGHUP}) g_unix_signal_add(stop, OnStopSignal, &watcher);
  int status = 0;
  if (auto source = FindIdleSource(ThresholdMs(arguments), watcher, bus, status)) {
    g_main_loop_run(loop);
  }
  if (bus != nullptr) g_object_unref(bus);
  g_main_loop_unref(loop);
  return status;
}
