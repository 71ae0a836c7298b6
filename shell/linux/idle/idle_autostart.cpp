// The entry names the watcher by its full real path; the running watcher is
// found by its session lock and ended as hosts end a saver, with SIGTERM.
#include "shell/linux/idle/idle_autostart.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "shell/linux/replace_file.h"
#include "shell/linux/session_lock.h"
#include "shell/linux/settings_file.h"
#include "shell/linux/sibling_program.h"

namespace {
constexpr const char* kWatcherProgram = "vorn-idle";
constexpr const char* kWatcherLock = "idle";
constexpr gint64 kEndWaitUs = 3 * G_USEC_PER_SEC;
constexpr unsigned kEndPollUs = 20000;

// A path as the Exec key wants it: in double quotes, with ", `, $ and \ escaped
// for the command line and that escape escaped again for the key file.
std::string QuotedForExec(const std::string& path) {
  std::string quoted = "\"";
  for (const char character : path) {
    if (std::strchr("\"`$\\", character) != nullptr) quoted += "\\\\";
    quoted += character;
  }
  return quoted + "\"";
}

std::string EntryText(const std::string& watcher) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=vorn idle start\n"
         "Comment=Starts the vorn screen saver when the desktop has been idle\n"
         "Exec=" +
         QuotedForExec(watcher) +
         "\n"
         "NoDisplay=true\n";
}

// The watcher's real path; empty, with error set, when it is missing.
std::string FindWatcher(std::string& error) {
  std::string searched;
  const std::string found =
      FindSiblingProgram(kWatcherProgram, {".", VORN_IDLE_FROM_SETTINGS}, searched);
  if (found.empty()) {
    error = std::string(kWatcherProgram) + " is missing (looked for " + searched + ")";
    return "";
  }
  char real[PATH_MAX];
  return realpath(found.c_str(), real) != nullptr ? real : found;
}

bool WriteEntry(const std::string& watcher, std::string& error) {
  const std::string path = AutostartEntryPath();
  if (!CreateFolderOf(path, error)) return false;
  const std::string text = EntryText(watcher);
  std::string why;
  if (ReplaceFile(path, text.data(), text.size(), why)) return true;
  error = "cannot write " + path + ": " + why;
  return false;
}

bool RemoveEntry(std::string& error) {
  const std::string path = AutostartEntryPath();
  if (g_unlink(path.c_str()) == 0 || errno == ENOENT) return true;
  error = "cannot remove " + path + ": " + g_strerror(errno);
  return false;
}

// Waits a little for the watcher to go, so that a new one finds the lock free.
void EndWatcher() {
  const pid_t watcher = SessionLockHolder(kWatcherLock);
  if (watcher == 0 || kill(watcher, SIGTERM) != 0) return;
  const gint64 deadline = g_get_monotonic_time() + kEndWaitUs;
  while (SessionLockHolder(kWatcherLock) != 0 && g_get_monotonic_time() < deadline) {
    g_usleep(kEndPollUs);
  }
}

// The watcher outlives the dialog: GLib lets an intermediate process go, so
// nobody needs to wait for it.
bool StartWatcher(const std::string& watcher, std::string& error) {
  char* argv[] = {const_cast<char*>(watcher.c_str()), nullptr};
  GError* failure = nullptr;
  if (g_spawn_async(nullptr, argv, nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, nullptr, &failure)) {
    return true;
  }
  error = std::string("cannot start ") + watcher + ": " + failure->message;
  g_error_free(failure);
  return false;
}
}  // namespace

std::string AutostartEntryPath() {
  return SettingsFile::ConfigHome() + "/autostart/" + kWatcherProgram + ".desktop";
}

bool ApplyIdleStart(const IdleStart& before, const IdleStart& now, std::string& error) {
  if (!now.enabled) {
    if (!before.enabled) return true;
    EndWatcher();
    return RemoveEntry(error);
  }
  const std::string watcher = FindWatcher(error);
  if (watcher.empty() || !WriteEntry(watcher, error)) return false;
  const bool changed = !before.enabled || before.minutes != now.minutes;
  if (changed) EndWatcher();
  if (SessionLockHolder(kWatcherLock) != 0) return true;
  return StartWatcher(watcher, error);
}
