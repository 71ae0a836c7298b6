// The saver the watcher runs: vorn /s as a child process, watched by the GLib
// main loop until it ends.
#pragma once

#include <glib.h>

#include <functional>
#include <string>
#include <utility>

class SaverChild {
 public:
  SaverChild(std::string vorn, std::function<void()> onEnded)
      : vorn_(std::move(vorn)), onEnded_(std::move(onEnded)) {}

  // False, after one line on stderr, when it cannot start.
  bool Start();
  // Asks a running saver to end, as hosts stop a saver (SIGTERM).
  void Stop();

 private:
  static void OnExit(GPid pid, gint status, gpointer data);

  std::string vorn_;
  std::function<void()> onEnded_;
  GPid pid_ = 0;
};
