// The idle start in the settings file: its defaults, the values that keep
// them, one word about a bad file for both loads of the dialog, and a save
// that leaves Rotate and Detail as they were.
#include "shell/linux/idle_start_setting.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "shell/linux/settings_file.h"
#include "shell/screen_saver.h"
#include "tests/support/no_window.h"
#include "tests/support/scratch_folder.h"

namespace {
struct IdleStartSettingTest : testing::Test {
  IdleStart Load(const std::string& text) {
    std::ofstream(path) << "[vorn]\n" << text;
    SettingsFile file(path);
    testing::internal::CaptureStderr();
    const IdleStart loaded = LoadIdleStart(file);
    testing::internal::GetCapturedStderr();
    return loaded;
  }

  ScratchFolder scratch{"vorn-idle-start-XXXXXX"};
  std::string path = scratch.path() + "/vorn.conf";
};

TEST_F(IdleStartSettingTest, OffAfterTenMinutesUnlessAValueInRangeSaysOtherwise) {
  SettingsFile missing(path);
  const IdleStart none = LoadIdleStart(missing);
  EXPECT_FALSE(none.enabled);
  EXPECT_EQ(none.minutes, 10);
  const struct {
    const char* text;
    bool enabled;
    int minutes;
  } cases[] = {
      {"Rotate=0\n", false, 10},
      {"StartWhenIdle=1\n", true, 10},
      {"IdleMinutes=1\n", false, 1},
      {"IdleMinutes=120\n", false, 120},
      {"StartWhenIdle=2\n", false, 10},
      {"StartWhenIdle=-1\n", false, 10},
      {"StartWhenIdle=yes\n", false, 10},
      {"IdleMinutes=0\n", false, 10},
      {"IdleMinutes=121\n", false, 10},
      {"IdleMinutes=ten\n", false, 10},
      // One bad value leaves the other as stored.
      {"StartWhenIdle=1\nIdleMinutes=0\n", true, 10},
  };
  for (const auto& stored : cases) {
    const IdleStart loaded = Load(stored.text);
    EXPECT_EQ(loaded.enabled, stored.enabled) << stored.text;
    EXPECT_EQ(loaded.minutes, stored.minutes) << stored.text;
  }
}

TEST_F(IdleStartSettingTest, ABadFileIsReportedOnceThoughBothSettingsAreLoaded) {
  std::ofstream(path) << "not a key file\n";
  NoWindow window;
  ScreenSaver saver(window);
  SettingsFile file(path);
  testing::internal::CaptureStderr();
  saver.LoadSettings(file);
  LoadIdleStart(file);
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
}

TEST_F(IdleStartSettingTest, SavingKeepsTheSaversOwnSettings) {
  std::ofstream(path) << "[vorn]\nRotate=0\nDetail=1\n";
  SettingsFile file(path);
  std::string error;
  ASSERT_TRUE(file.Save(
      [](SettingsStore& store) {
        SaveIdleStart(store, {true, 25});
      },
      error))
      << error;
  EXPECT_EQ(ReadAll(path), "[vorn]\nRotate=0\nDetail=1\nStartWhenIdle=1\nIdleMinutes=25\n");
}
}  // namespace
