// The system's screen saver settings on Linux: there are none to read, so the
// password delay keeps its default. Locking the screen is the screen locker's job.
#pragma once

#include "shell/settings_store.h"

class NoSystemSettings : public SettingsStore {
 public:
  bool OpenForReading() override { return false; }
  bool OpenForWriting() override { return false; }
  std::optional<std::int32_t> Read(const char*) override { return std::nullopt; }
  void Write(const char*, std::int32_t) override {}
  void Close() override {}
};
