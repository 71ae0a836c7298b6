// Where the saver's settings are kept: a registry key on Windows, a key file
// on Linux. Values are 32-bit numbers under a name; failures are silent.
#pragma once

#include <cstdint>
#include <optional>

class SettingsStore {
 public:
  // False when the store does not exist or cannot be opened; then nothing is read.
  virtual bool OpenForReading() = 0;
  // Creates the store if need be; false when that fails, and then nothing is written.
  virtual bool OpenForWriting() = 0;
  // Empty when the value is missing or cannot be read.
  virtual std::optional<std::int32_t> Read(const char* name) = 0;
  virtual void Write(const char* name, std::int32_t value) = 0;
  // Ends a successful open; written values are kept from here on at the latest.
  virtual void Close() = 0;

 protected:
  ~SettingsStore() = default;
};
