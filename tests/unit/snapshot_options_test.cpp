#include "shell/snapshot_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
bool Parse(std::vector<const char*> args, SnapshotOptions& options, std::string& error) {
  return ParseSnapshotOptions(static_cast<int>(args.size()), args.data(), options, error);
}
}  // namespace

TEST(SnapshotOptions, DefaultsNeedOnlyAFileName) {
  SnapshotOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"out.png"}, options, error)) << error;
  EXPECT_EQ(options.path, "out.png");
  EXPECT_EQ(options.width, 640);
  EXPECT_EQ(options.height, 480);
  EXPECT_FALSE(options.seed);
  EXPECT_FALSE(options.milliseconds);
  EXPECT_FALSE(options.clock);
  EXPECT_EQ(options.detail, 2);
  EXPECT_FALSE(options.daylight);
  EXPECT_EQ(options.frames, 1);
}

TEST(SnapshotOptions, EveryOptionIsRead) {
  SnapshotOptions options;
  std::string error;
  ASSERT_TRUE(Parse({"a.png", "--size", "152x112", "--seed", "4294967295", "--ms", "0", "--clock",
                     "23:59:07", "--detail", "low", "--look", "night", "--frames", "30"},
                    options, error))
      << error;
  EXPECT_EQ(options.width, 152);
  EXPECT_EQ(options.height, 112);
  EXPECT_EQ(*options.seed, 4294967295u);
  EXPECT_EQ(*options.milliseconds, 0u);
  EXPECT_EQ(options.clock->hour, 23);
  EXPECT_EQ(options.clock->minute, 59);
  EXPECT_EQ(options.clock->second, 7);
  EXPECT_EQ(options.detail, 0);
  EXPECT_EQ(*options.daylight, 0);
  EXPECT_EQ(options.frames, 30);
}

TEST(SnapshotOptions, BadArgumentsAreNamed) {
  struct Case {
    std::vector<const char*> args;
    const char* named;
  };
  const Case cases[] = {
      {{}, "file name"},
      {{"--size", "10x10"}, "--size"},
      {{"a.png", "--size", "0x10"}, "0x10"},
      {{"a.png", "--size", "640"}, "640"},
      {{"a.png", "--size", "64x-4"}, "64x-4"},
      {{"a.png", "--seed", "4294967296"}, "4294967296"},
      {{"a.png", "--seed", "-1"}, "-1"},
      {{"a.png", "--ms", "12ms"}, "12ms"},
      {{"a.png", "--clock", "24:00:00"}, "24:00:00"},
      {{"a.png", "--clock", "7:00:00"}, "7:00:00"},
      {{"a.png", "--detail", "ultra"}, "ultra"},
      {{"a.png", "--look", "dusk"}, "dusk"},
      {{"a.png", "--frames", "0"}, "--frames"},
      {{"a.png", "--frames"}, "--frames"},
      {{"a.png", "--colour", "red"}, "--colour"},
  };
  for (const Case& c : cases) {
    SnapshotOptions options;
    std::string error;
    EXPECT_FALSE(Parse(c.args, options, error)) << c.named;
    EXPECT_NE(error.find(c.named), std::string::npos) << error;
  }
}
