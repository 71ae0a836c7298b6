// The registry as a settings store: one key under HKEY_CURRENT_USER. Numbers
// are read as four bytes whatever their registry type and written as REG_DWORD.
#pragma once

#include <windows.h>

#include "shell/settings_store.h"

// The saver's own settings.
constexpr const char* kOwnSettingsKey = "Software\\zd7\\ORVALINDE\\vorn";
// The system's screen saver settings, which hold the password delay.
constexpr const char* kSystemSaverKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Screen Savers";

class RegistryStore final : public SettingsStore {
 public:
  explicit RegistryStore(const char* keyPath) : keyPath_(keyPath) {}
  ~RegistryStore() { Close(); }
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  bool OpenForReading() override;
  bool OpenForWriting() override;
  std::optional<std::int32_t> Read(const char* name) override;
  void Write(const char* name, std::int32_t value) override;
  void Close() override;

 private:
  const char* keyPath_;
  HKEY key_ = nullptr;
};
