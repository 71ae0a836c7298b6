// The settings key file with any contents. Three properties hold for every
// file, and a broken one aborts so that libFuzzer keeps the file:
// - loading the settings never changes the file;
// - saved settings load back as they were saved;
// - every other group and key of a readable file (not larger than the
//   settings file may be) survives a save.
// Each bad file warns on stderr: run it with -close_fd_mask=2, as
// scripts/run-fuzzers does, or the warnings fill the log.
#include <glib.h>
#include <glib/gstdio.h>
#include <sanitizer/common_interface_defs.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

#include "shell/linux/settings_file.h"
#include "shell/screen_saver.h"
#include "shell/settings.h"
#include "tests/support/no_window.h"

namespace {
constexpr const char* kGroup = "vorn";

std::string folder;
std::string path;

void RemoveFolder() {
  g_remove(path.c_str());
  g_rmdir(folder.c_str());
}

void Require(bool holds, const char* property) {
  if (holds) return;
  // The sanitizers' report channel stays open when libFuzzer closes stderr.
  __sanitizer_report_error_summary(property);
  RemoveFolder();  // abort skips the exit handlers; libFuzzer keeps the input
  std::abort();
}

void WriteFile(std::string_view contents) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  Require(file != nullptr, "cannot write the settings file");
  std::fwrite(contents.data(), 1, contents.size(), file);
  Require(std::fclose(file) == 0, "cannot write the settings file");
}

std::string ReadFile() {
  gchar* contents = nullptr;
  gsize length = 0;
  Require(g_file_get_contents(path.c_str(), &contents, &length, nullptr),
          "the settings file is gone");
  std::string text(contents, length);
  g_free(contents);
  return text;
}

// A save leaves no temporary file behind.
bool FolderHoldsOnlyTheFile() {
  GDir* contents = g_dir_open(folder.c_str(), 0, nullptr);
  int entries = 0;
  while (g_dir_read_name(contents) != nullptr) ++entries;
  g_dir_close(contents);
  return entries == 1;
}

bool IsOwnSetting(const char* group, const char* key) {
  if (std::string_view(group) != kGroup) return false;
  for (const SaverSetting& setting : kSaverSettings) {
    if (std::string_view(setting.name) == key) return true;
  }
  return false;
}

// GLib writes a value that ends in carriage returns as it is, and then reads
// the last of them as part of a CRLF line end: a quirk of its own, not a loss.
bool SameValue(const gchar* old, const gchar* now) {
  std::string_view before(old);
  std::string_view after(now);
  while (!before.empty() && before.back() == '\r') before.remove_suffix(1);
  while (!after.empty() && after.back() == '\r') after.remove_suffix(1);
  return before == after;
}

// Every group and every key of before, but the saver's own, with the same value in after.
bool KeepsOtherGroupsAndKeys(GKeyFile* before, GKeyFile* after) {
  bool kept = true;
  gchar** groups = g_key_file_get_groups(before, nullptr);
  for (gchar** group = groups; kept && *group != nullptr; ++group) {
    kept = g_key_file_has_group(after, *group);
    gchar** keys = g_key_file_get_keys(before, *group, nullptr, nullptr);
    for (gchar** key = keys; kept && key != nullptr && *key != nullptr; ++key) {
      if (IsOwnSetting(*group, *key)) continue;
      gchar* old = g_key_file_get_value(before, *group, *key, nullptr);
      gchar* now = g_key_file_get_value(after, *group, *key, nullptr);
      kept = now != nullptr && SameValue(old, now);
      g_free(old);
      g_free(now);
    }
    g_strfreev(keys);
  }
  g_strfreev(groups);
  return kept;
}

// Every translation counts as content, whatever the locale of the run.
GKeyFile* LoadKeyFile(std::string_view contents) {
  GKeyFile* keyFile = g_key_file_new();
  if (g_key_file_load_from_data(keyFile, contents.data(), contents.size(),
                                G_KEY_FILE_KEEP_TRANSLATIONS, nullptr)) {
    return keyFile;
  }
  g_key_file_free(keyFile);
  return nullptr;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // In memory where there is a tmpfs: a save syncs the file to disk, and the
  // run is about the parsing, not the disk.
  const char* base = g_file_test("/dev/shm", G_FILE_TEST_IS_DIR) ? "/dev/shm" : g_get_tmp_dir();
  gchar* pattern = g_build_filename(base, "vorn-fuzz-XXXXXX", nullptr);
  Require(g_mkdtemp(pattern) != nullptr, "cannot make a folder for the settings file");
  folder = pattern;
  g_free(pattern);
  path = folder + "/vorn.conf";
  std::atexit(RemoveFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view contents(reinterpret_cast<const char*>(data), size);
  WriteFile(contents);
  NoWindow window;
  ScreenSaver saver{window};
  SettingsFile reading(path);
  saver.LoadSettings(reading);
  Require(ReadFile() == contents, "loading changed the file");

  // Numbers of every size, and the same ones for the same file.
  const std::uint64_t numbers = std::hash<std::string_view>{}(contents);
  saver.mouseControl = static_cast<std::int32_t>(numbers);
  saver.detail = static_cast<std::int32_t>(numbers >> 32);
  SettingsFile writing(path);
  std::string error;
  Require(writing.Save(saver, error) && FolderHoldsOnlyTheFile(), "saving failed");

  ScreenSaver reread{window};
  SettingsFile again(path);
  reread.LoadSettings(again);
  Require(reread.mouseControl == saver.mouseControl && reread.detail == saver.detail,
          "the saved settings did not load back");

  if (size > SettingsFile::kLargestFile) return 0;
  if (GKeyFile* before = LoadKeyFile(contents)) {
    GKeyFile* after = LoadKeyFile(ReadFile());
    Require(after != nullptr && KeepsOtherGroupsAndKeys(before, after),
            "a save lost or changed another group or key");
    g_key_file_free(after);
    g_key_file_free(before);
  }
  return 0;
}
