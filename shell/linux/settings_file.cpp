// Reading and writing the settings key file with GKeyFile.
#include "shell/linux/settings_file.h"

#include <glib/gstdio.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "shell/linux/printable_text.h"
#include "shell/linux/replace_file.h"
#include "shell/screen_saver.h"

namespace {
constexpr const char* kGroup = "vorn";
constexpr const char* kRelativePath = "/vorn/vorn.conf";
// Two numbers fit in a few bytes: a file far larger than any hand-kept one
// holds no settings, and reading it would cost time and memory for nothing.
constexpr const char* kLargestFileText = "64 KiB";

bool TooLarge(const std::string& path) {
  struct stat status {};
  return g_stat(path.c_str(), &status) == 0 && status.st_size > SettingsFile::kLargestFile;
}

// Frees a GError when it goes out of scope.
struct ErrorHolder {
  GError* error = nullptr;
  ~ErrorHolder() {
    if (error != nullptr) g_error_free(error);
  }
};

// Frees what GLib allocated when it goes out of scope.
struct TextHolder {
  gchar* text = nullptr;
  gsize size = 0;
  ~TextHolder() { g_free(text); }
};
}  // namespace

SettingsFile::~SettingsFile() {
  if (keyFile_ != nullptr) g_key_file_free(keyFile_);
}

namespace {
std::string ConfigHomeFor(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') return xdgConfigHome;
  return std::string(home != nullptr ? home : "") + "/.config";
}
}  // namespace

std::string SettingsFile::PathFor(const char* xdgConfigHome, const char* home) {
  return ConfigHomeFor(xdgConfigHome, home) + kRelativePath;
}

std::string SettingsFile::DefaultPath() { return ConfigHome() + kRelativePath; }

std::string SettingsFile::ConfigHome() {
  return ConfigHomeFor(g_getenv("XDG_CONFIG_HOME"), g_get_home_dir());
}

bool SettingsFile::OpenForReading() {
  struct stat status {};
  if (g_stat(path_.c_str(), &status) != 0) {
    const int reason = errno;
    // No file yet is the usual first run, and quiet; anything else is worth a word.
    if (reason != ENOENT && reason != ENOTDIR) {
      Warn(std::string(g_strerror(reason)) + "; using the defaults");
    }
    return false;
  }
  if (S_ISDIR(status.st_mode)) {
    Warn("a folder is where the settings file should be; using the defaults");
    return false;
  }
  if (!S_ISREG(status.st_mode)) {
    Warn("not a regular file; using the defaults");
    return false;
  }
  if (status.st_size > kLargestFile) {
    Warn(std::string("larger than ") + kLargestFileText + ", not settings; using the defaults");
    return false;
  }
  TextHolder contents;
  ErrorHolder failure;
  if (!g_file_get_contents(path_.c_str(), &contents.text, &contents.size, &failure.error)) {
    Warn(PrintableMessage(failure.error->message) + "; using the defaults");
    return false;
  }
  // GLib reads NUL bytes as line ends, but no key file has them: a crash can leave a file of them.
  if (std::memchr(contents.text, '\0', contents.size) != nullptr) {
    Warn("holds NUL bytes, not settings; using the defaults");
    return false;
  }
  keyFile_ = g_key_file_new();
  if (!g_key_file_load_from_data(keyFile_, contents.text, contents.size, G_KEY_FILE_NONE,
                                 &failure.error)) {
    // The message quotes the offending line, which may be long or hold terminal escapes.
    Warn(PrintableMessage(failure.error->message) + "; using the defaults");
    g_key_file_free(keyFile_);
    keyFile_ = nullptr;
    return false;
  }
  writing_ = false;
  return true;
}

bool SettingsFile::OpenForWriting() {
  writeError_.clear();
  if (!CreateFolderOf(path_, writeError_)) return false;
  // Other groups, comments and translations in a readable file survive the save;
  // a file too large to hold settings is replaced, as one that cannot be read.
  const auto keepAll =
      static_cast<GKeyFileFlags>(G_KEY_FILE_KEEP_COMMENTS | G_KEY_FILE_KEEP_TRANSLATIONS);
  keyFile_ = g_key_file_new();
  if (TooLarge(path_) || !g_key_file_load_from_file(keyFile_, path_.c_str(), keepAll, nullptr)) {
    g_key_file_free(keyFile_);
    keyFile_ = g_key_file_new();
  }
  writing_ = true;
  return true;
}

std::optional<std::int32_t> SettingsFile::Read(const char* name) {
  ErrorHolder failure;
  const gint value = g_key_file_get_integer(keyFile_, kGroup, name, &failure.error);
  if (failure.error == nullptr) return value;
  if (g_error_matches(failure.error, G_KEY_FILE_ERROR, G_KEY_FILE_ERROR_INVALID_VALUE)) {
    Warn(std::string(name) + " is not a whole number; using its default");
  }
  return std::nullopt;
}

void SettingsFile::Write(const char* name, std::int32_t value) {
  g_key_file_set_integer(keyFile_, kGroup, name, value);
}

void SettingsFile::Close() {
  if (writing_) {
    TextHolder contents;
    contents.text = g_key_file_to_data(keyFile_, &contents.size, nullptr);
    std::string reason;
    // A dotfile manager's link may name a file that is not there yet.
    if (!ReplaceFile(path_, contents.text, contents.size, reason, DanglingLink::kCreateTarget)) {
      writeError_ = reason;
    }
  }
  g_key_file_free(keyFile_);
  keyFile_ = nullptr;
  writing_ = false;
}

bool SettingsFile::Save(const ScreenSaver& saver, std::string& error) {
  return Save([&saver](SettingsStore& store) { saver.SaveSettings(store); }, error);
}

bool SettingsFile::Save(const std::function<void(SettingsStore&)>& write, std::string& error) {
  write(*this);
  if (writeError_.empty()) return true;
  error = "cannot save " + path_ + ": " + writeError_;
  return false;
}

void SettingsFile::Warn(const std::string& problem) {
  if (warned_) return;
  warned_ = true;
  std::fprintf(stderr, "vorn: %s: %s\n", path_.c_str(), problem.c_str());
}
