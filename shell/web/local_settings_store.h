// The saver's settings in the browser's local storage, one item per setting
// under "vorn.<name>". A browser that refuses storage reads as no store; a
// value that is not a whole number, or one the page's controls do not offer,
// reads as missing.
#pragma once

#include "shell/settings_store.h"

class LocalSettingsStore : public SettingsStore {
 public:
  bool OpenForReading() override;
  bool OpenForWriting() override;
  std::optional<std::int32_t> Read(const char* name) override;
  void Write(const char* name, std::int32_t value) override;
  void Close() override {}
};
