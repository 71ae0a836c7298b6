// g_spawn without reaping, and a child watch that reaps it and reports.
#include "shell/linux/idle/saver_child.h"

#include <signal.h>

#include <cstdio>

#include "shell/linux/printable_text.h"

bool SaverChild::Start() {
  char* argv[] = {vorn_.data(), const_cast<char*>("/s"), nullptr};
  GError* error = nullptr;
  if (!g_spawn_async(nullptr, argv, nullptr, G_SPAWN_DO_NOT_REAP_CHILD, nullptr, nullptr, &pid_,
                     &error)) {
    std::fprintf(stderr, "vorn-idle: cannot start the saver: %s\n",
                 PrintableMessage(error->message).c_str());
    g_error_free(error);
    pid_ = 0;
    return false;
  }
  g_child_watch_add(pid_, OnExit, this);
  return true;
}

void SaverChild::Stop() {
  if (pid_ != 0) kill(pid_, SIGTERM);
}

void SaverChild::OnExit(GPid pid, gint, gpointer data) {
  auto* self = static_cast<SaverChild*>(data);
  g_spawn_close_pid(pid);
  self->pid_ = 0;
  self->onEnded_();
}
