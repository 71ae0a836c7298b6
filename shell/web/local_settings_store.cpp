#include "shell/web/local_settings_store.h"

#include <emscripten.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "shell/settings.h"

namespace {
// Storage can be switched off or full; each access may throw.
EM_JS(int, HasStoredSettings, (), {
  try {
    for (let i = 0; i < localStorage.length; ++i) {
      if (localStorage.key(i).startsWith("vorn.")) return 1;
    }
    return 0;
  } catch (e) {
    return 0;
  }
});

EM_JS(int, StorageWorks, (), {
  try {
    return typeof localStorage.setItem == "function" ? 1 : 0;
  } catch (e) {
    return 0;
  }
});

// Copies the item into text (at most size bytes with the terminator); 0 when there is none.
EM_JS(int, ReadStoredItem, (const char* name, char* text, int size), {
  try {
    const value = localStorage.getItem("vorn." + UTF8ToString(name));
    if (value == null) return 0;
    stringToUTF8(value, text, size);
    return 1;
  } catch (e) {
    return 0;
  }
});

EM_JS(void, WriteStoredItem, (const char* name, int value), {
  try {
    localStorage.setItem("vorn." + UTF8ToString(name), String(value));
  } catch (e) {
  }
});
}  // namespace

bool LocalSettingsStore::OpenForReading() { return HasStoredSettings() != 0; }

bool LocalSettingsStore::OpenForWriting() { return StorageWorks() != 0; }

std::optional<std::int32_t> LocalSettingsStore::Read(const char* name) {
  char text[16];
  if (ReadStoredItem(name, text, sizeof text) == 0) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text, &end, 10);
  if (errno != 0 || end == text || *end != '\0' || value < INT32_MIN || value > INT32_MAX) {
    return std::nullopt;
  }
  // The page's controls can show no other value, so it is ignored as a broken one is.
  if (!IsOfferedValue(name, static_cast<std::int32_t>(value))) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

void LocalSettingsStore::Write(const char* name, std::int32_t value) {
  WriteStoredItem(name, value);
}
