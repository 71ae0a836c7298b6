// Loading and saving the ScreenSaver's settings through a store held in memory.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "shell/screen_saver.h"
#include "tests/support/no_window.h"

namespace {
class MemoryStore : public SettingsStore {
 public:
  bool exists = true;
  bool writable = true;
  std::map<std::string, std::int32_t> values;
  std::vector<std::pair<std::string, std::int32_t>> writes;
  int opens = 0;
  int closes = 0;

  bool OpenForReading() override {
    opens += exists ? 1 : 0;
    return exists;
  }
  bool OpenForWriting() override {
    if (!writable) return false;
    exists = true;
    ++opens;
    return true;
  }
  std::optional<std::int32_t> Read(const char* name) override {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  void Write(const char* name, std::int32_t value) override {
    writes.emplace_back(name, value);
    values[name] = value;
  }
  void Close() override { ++closes; }
};

struct SettingsTest : testing::Test {
  NoWindow window;
  ScreenSaver saver{window};
  MemoryStore store;
};

TEST_F(SettingsTest, WithoutAStoreMouseControlIsOnAndDetailHigh) {
  store.exists = false;
  saver.mouseControl = 7;
  saver.detail = 7;
  saver.LoadSettings(store);
  EXPECT_EQ(saver.mouseControl, 1);
  EXPECT_EQ(saver.detail, 2);
  EXPECT_EQ(store.closes, 0);
}

TEST_F(SettingsTest, AStoreWithoutValuesGivesMiddleDetail) {
  saver.LoadSettings(store);
  EXPECT_EQ(saver.mouseControl, 1);
  EXPECT_EQ(saver.detail, 1);

  store.values = {{"Rotate", 0}};
  saver.LoadSettings(store);
  EXPECT_EQ(saver.mouseControl, 0);
  EXPECT_EQ(saver.detail, 1);
  EXPECT_EQ(store.closes, store.opens);
}

TEST_F(SettingsTest, StoredValuesAreKeptUnrestricted) {
  store.values = {{"Rotate", -3}, {"Detail", 5}};
  saver.LoadSettings(store);
  EXPECT_EQ(saver.mouseControl, -3);
  EXPECT_EQ(saver.detail, 5);

  store.values = {{"Detail", 0}};
  saver.LoadSettings(store);
  EXPECT_EQ(saver.mouseControl, 1);
  EXPECT_EQ(saver.detail, 0);
}

TEST_F(SettingsTest, SaveWritesBothValuesAndReadsBackTheSame) {
  store.exists = false;
  saver.mouseControl = 0;
  saver.detail = 1;
  saver.SaveSettings(store);
  const std::vector<std::pair<std::string, std::int32_t>> expected = {{"Rotate", 0}, {"Detail", 1}};
  EXPECT_EQ(store.writes, expected);
  EXPECT_EQ(store.closes, 1);

  NoWindow otherWindow;
  ScreenSaver next(otherWindow);
  next.LoadSettings(store);
  EXPECT_EQ(next.mouseControl, 0);
  EXPECT_EQ(next.detail, 1);
}

TEST_F(SettingsTest, AStoreThatCannotBeOpenedForWritingGetsNothing) {
  store.writable = false;
  saver.SaveSettings(store);
  EXPECT_TRUE(store.writes.empty());
  EXPECT_EQ(store.closes, 0);
}

TEST_F(SettingsTest, PasswordDelayComesFromTheSystemStoreOrIsFifteenSeconds) {
  MemoryStore system;
  saver.checkingPassword = 1;
  saver.passwordDelay = 99;
  system.exists = false;
  saver.LoadSystemSettings(system);
  EXPECT_EQ(saver.passwordDelay, 15);
  EXPECT_EQ(saver.checkingPassword, 0);

  system.exists = true;
  saver.passwordDelay = 99;
  saver.LoadSystemSettings(system);
  EXPECT_EQ(saver.passwordDelay, 15);

  system.values = {{kPasswordDelayName, 0}};
  saver.LoadSystemSettings(system);
  EXPECT_EQ(saver.passwordDelay, 0);
  EXPECT_EQ(system.closes, system.opens);
}
}  // namespace
