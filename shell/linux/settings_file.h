// The saver's own settings on Linux: a key file with the group [vorn] and the
// values as integers, read and written with GLib. A file that cannot be read
// leaves the defaults in force and says so in one line on stderr; it is never
// changed by reading.
#pragma once

#include <glib.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "shell/settings_store.h"

class ScreenSaver;

class SettingsFile : public SettingsStore {
 public:
  // A file larger than this holds no settings: it is neither read nor kept by a save.
  static constexpr std::int64_t kLargestFile = 64 * 1024;

  explicit SettingsFile(std::string path) : path_(std::move(path)) {}
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  // $XDG_CONFIG_HOME/vorn/vorn.conf, or ~/.config/vorn/vorn.conf when that
  // variable is unset, empty or not an absolute path.
  static std::string PathFor(const char* xdgConfigHome, const char* home);
  // PathFor with this process's environment.
  static std::string DefaultPath();
  // The user's configuration folder by the same rule: $XDG_CONFIG_HOME or ~/.config.
  static std::string ConfigHome();

  const std::string& path() const { return path_; }

  bool OpenForReading() override;
  bool OpenForWriting() override;
  std::optional<std::int32_t> Read(const char* name) override;
  void Write(const char* name, std::int32_t value) override;
  // After writing, replaces the file in one step: a new file, renamed over the old.
  void Close() override;

  // Saves the saver's settings; on failure, error names the file and the reason.
  bool Save(const ScreenSaver& saver, std::string& error);
  // Saves what `write` writes, opening and closing this store itself; errors as above.
  bool Save(const std::function<void(SettingsStore&)>& write, std::string& error);

 private:
  // The first problem is reported; the rest stay quiet, also those of later
  // loads through this object (the saver's settings and the idle start).
  void Warn(const std::string& problem);

  std::string path_;
  GKeyFile* keyFile_ = nullptr;
  bool writing_ = false;
  bool warned_ = false;
  std::string writeError_;
};
