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

TEST_F(IdleStartSettingTest, OffAfterTenMinutesWithoutAFileOrValues) {
  SettingsFile missing(path);
  const IdleStart none = LoadIdleStart(missing);
  EXPECT_FALSE(none.enabled);
  EXPECT_EQ(none.minutes, 10);
  const IdleStart empty = Load("Rotate=0\n");
  EXPECT_FALSE(empty.enabled);
  EXPECT_EQ(empty.minutes, 10);
}

TEST_F(IdleStartSettingTest, ReadsOnAndMinutesFromOneToAHundredAndTwenty) {
  EXPECT_TRUE(Load("StartWhenIdle=1\n").enabled);
  EXPECT_EQ(Load("IdleMinutes=1\n").minutes, 1);
  EXPECT_EQ(Load("IdleMinutes=120\n").minutes, 120);
}

TEST_F(IdleStartSettingTest, ABadValueKeepsItsDefault) {
  for (const char* bad : {"StartWhenIdle=2\n", "StartWhenIdle=-1\n", "StartWhenIdle=yes\n"}) {
    EXPECT_FALSE(Load(bad).enabled) << bad;
  }
  for (const char* bad : {"IdleMinutes=0\n", "IdleMinutes=121\n", "IdleMinutes=ten\n"}) {
    EXPECT_EQ(Load(bad).minutes, 10) << bad;
  }
  // One bad value leaves the other as stored.
  const IdleStart mixed = Load("StartWhenIdle=1\nIdleMinutes=0\n");
  EXPECT_TRUE(mixed.enabled);
  EXPECT_EQ(mixed.minutes, 10);
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
