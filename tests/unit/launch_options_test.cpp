// The Linux command line: which form a run takes, window ids as hosts write
// them, and the detail, delay and frame-rate options.
#include "shell/launch_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
LaunchOptions Parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "vorn");
  return ParseLaunchOptions(static_cast<int>(arguments.size()), arguments.data());
}

TEST(ParseLaunchOptions, ScreenSaverSwitchesGoToTheSharedParser) {
  LaunchOptions options = Parse({"/p", "1234"});
  EXPECT_EQ(options.kind, LaunchKind::kSaverSwitches);
  EXPECT_EQ(options.start.saverMode, SaverMode::kPreview);
  EXPECT_EQ(options.start.parentHandle, 1234u);
  EXPECT_FALSE(options.detail.has_value());

  EXPECT_EQ(Parse({"-S"}).start.saverMode, SaverMode::kFullScreen);
  EXPECT_EQ(Parse({}).start.saverMode, SaverMode::kConfigure);
  EXPECT_EQ(Parse({"/x"}).start.saverMode, SaverMode::kNothing);
  EXPECT_EQ(Parse({"-w"}).start.saverMode, SaverMode::kNothing);
  EXPECT_EQ(Parse({"--snapshot", "x.png", "--detail", "ultra"}).kind, LaunchKind::kSnapshot);
}

TEST(ParseLaunchOptions, HackOptionsTakeOneDashOrTwoAndTheLastPlaceWins) {
  EXPECT_EQ(Parse({"-root"}).kind, LaunchKind::kHostRoot);
  EXPECT_EQ(Parse({"--root"}).kind, LaunchKind::kHostRoot);
  EXPECT_EQ(Parse({"-window"}).kind, LaunchKind::kWindow);
  EXPECT_EQ(Parse({"--window"}).kind, LaunchKind::kWindow);

  LaunchOptions options = Parse({"-window-id", "0x600008"});
  EXPECT_EQ(options.kind, LaunchKind::kHostWindow);
  EXPECT_EQ(options.hostWindow, 0x600008u);
  EXPECT_EQ(Parse({"--window-id", "6291464"}).hostWindow, 0x600008u);

  EXPECT_EQ(Parse({"-root", "--window-id", "5"}).kind, LaunchKind::kHostWindow);
  EXPECT_EQ(Parse({"--window-id", "5", "-root"}).kind, LaunchKind::kHostRoot);
}

TEST(ParseLaunchOptions, DetailOverridesInEveryForm) {
  LaunchOptions options = Parse({"/s", "--detail", "low"});
  EXPECT_EQ(options.start.saverMode, SaverMode::kFullScreen);
  EXPECT_EQ(options.detail, 0);

  options = Parse({"--detail", "high", "--root"});
  EXPECT_EQ(options.kind, LaunchKind::kHostRoot);
  EXPECT_EQ(options.detail, 2);

  // Nothing left but the override: as without arguments, configure.
  options = Parse({"--detail", "middle"});
  EXPECT_EQ(options.start.saverMode, SaverMode::kConfigure);
  EXPECT_EQ(options.detail, 1);
}

TEST(ParseLaunchOptions, DelayAndFrameRateComeWithEveryFormInEitherDashStyle) {
  LaunchOptions options = Parse({"/p", "77", "--delay", "20000", "--fps"});
  EXPECT_EQ(options.start.saverMode, SaverMode::kPreview);
  EXPECT_EQ(options.start.parentHandle, 77u);
  EXPECT_EQ(options.delayMicroseconds, 20000u);
  EXPECT_TRUE(options.showFrameRate);

  options = Parse({"-fps", "-root", "-delay", "0"});
  EXPECT_EQ(options.kind, LaunchKind::kHostRoot);
  EXPECT_EQ(options.delayMicroseconds, 0u);
  EXPECT_TRUE(options.showFrameRate);

  options = Parse({"--window-id", "5", "--delay", "10000000"});
  EXPECT_EQ(options.hostWindow, 5u);
  EXPECT_EQ(options.delayMicroseconds, kLongestDelayMicroseconds);
  EXPECT_FALSE(options.showFrameRate);

  // Without the option, frames follow back to back, but for XScreenSaver's own default.
  for (const auto& arguments : {std::vector<const char*>{"--window"}, {"/s"}, {"/p", "5"}}) {
    EXPECT_EQ(FrameDelayMicroseconds(Parse(arguments)), 0u) << arguments[0];
  }
  EXPECT_EQ(FrameDelayMicroseconds(Parse({"--root"})), kXScreenSaverDelayMicroseconds);
  EXPECT_EQ(FrameDelayMicroseconds(Parse({"--root", "--delay", "0"})), 0u);
}

TEST(ParseLaunchOptions, BadHackArgumentsAreUsageErrorsThatNameThem) {
  struct Case {
    std::vector<const char*> arguments;
    const char* named;
  };
  const Case cases[] = {
      {{"--detail"}, "--detail"},
      {{"--root", "--detail", "ultra"}, "ultra"},
      {{"--detail", "High"}, "High"},
      {{"-window-id"}, "-window-id"},
      {{"--window-id", "0"}, "0"},
      {{"-window-id", "0x"}, "0x"},
      {{"-window-id", "12abc"}, "12abc"},
      {{"-window-id", "0x100000000"}, "0x100000000"},
      {{"-root", "/s"}, "/s"},
      {{"-root", "-wireframe"}, "-wireframe"},
      {{"--window", "--delay"}, "--delay"},
      {{"-delay", "-1", "/s"}, "-1"},
      {{"--root", "--delay", "20ms"}, "20ms"},
      {{"--delay", "10000001", "--root"}, "10000001"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.named);
    const LaunchOptions options = Parse(c.arguments);
    EXPECT_EQ(options.kind, LaunchKind::kUsageError);
    EXPECT_NE(options.error.find(c.named), std::string::npos) << options.error;
  }
}

TEST(ParseLaunchOptions, HelpVersionAndUnknownDoubleDashWordsDecideWhereverTheyStand) {
  struct Case {
    std::vector<const char*> arguments;
    LaunchKind kind;
  };
  const Case cases[] = {
      {{"--help"}, LaunchKind::kHelp},
      {{"-help"}, LaunchKind::kHelp},
      {{"-h"}, LaunchKind::kHelp},
      {{"/s", "--help"}, LaunchKind::kHelp},
      {{"--root", "--detail", "low", "-h"}, LaunchKind::kHelp},
      {{"--version"}, LaunchKind::kVersion},
      {{"/p", "5", "--version", "--help"}, LaunchKind::kVersion},
      {{"--bogus"}, LaunchKind::kUsageError},
      {{"/s", "--bogus"}, LaunchKind::kUsageError},
      {{"--root", "--bogus"}, LaunchKind::kUsageError},
      {{"--bogus", "--help"}, LaunchKind::kUsageError},
      {{"/c", "--"}, LaunchKind::kUsageError},
      {{"/s", "--snapshot", "x.png"}, LaunchKind::kUsageError},
      // The value of an option is no option of its own.
      {{"--detail", "--help"}, LaunchKind::kUsageError},
      {{"-window-id", "--version"}, LaunchKind::kUsageError},
      // A snapshot's options are read alike, its file name standing first.
      {{"--snapshot", "x.png", "--help"}, LaunchKind::kHelp},
      {{"--snapshot", "x.png", "--seed", "1", "--version", "--help"}, LaunchKind::kVersion},
      {{"--snapshot", "-h"}, LaunchKind::kHelp},
      {{"--snapshot", "x.png", "--bogus", "--help"}, LaunchKind::kUsageError},
      {{"--snapshot", "x.png", "--detail", "--help"}, LaunchKind::kSnapshot},
      // Unknown Windows-style switches still do nothing.
      {{"/h"}, LaunchKind::kSaverSwitches},
      {{"-v"}, LaunchKind::kSaverSwitches},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    EXPECT_EQ(Parse(c.arguments).kind, c.kind);
  }
  EXPECT_EQ(Parse({"/s", "--bogus"}).error, "unknown option: --bogus");
}

TEST(ParseLaunchOptions, APreviewTakesADecimalWindowIdAndNamesAnyOtherValue) {
  struct Case {
    std::vector<const char*> arguments;
    WindowHandleNumber window;  // 0: a usage error that names the value
    const char* named;
  };
  const Case cases[] = {
      {{"/p", "1234"}, 1234, ""},
      {{"/l:77"}, 77, ""},
      {{"-P4294967295"}, 0xFFFFFFFF, ""},
      {{"/p", "abc"}, 0, "abc"},
      {{"/p", "0x123"}, 0, "0x123"},
      {{"/l", "12abc"}, 0, "12abc"},
      {{"/p", "0"}, 0, ": 0"},
      {{"/p", "4294967296"}, 0, "4294967296"},
      {{"/p"}, 0, "missing"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.arguments));
    const LaunchOptions options = Parse(c.arguments);
    if (c.window != 0) {
      EXPECT_EQ(options.kind, LaunchKind::kSaverSwitches);
      EXPECT_EQ(options.start.saverMode, SaverMode::kPreview);
      EXPECT_EQ(options.start.parentHandle, c.window);
      continue;
    }
    EXPECT_EQ(options.kind, LaunchKind::kUsageError);
    EXPECT_NE(options.error.find(c.named), std::string::npos) << options.error;
  }
}

TEST(ParseWindowId, TakesHexadecimalWithPrefixOrDecimalWithinThirtyTwoBits) {
  EXPECT_EQ(ParseWindowId("0x600008"), 0x600008u);
  EXPECT_EQ(ParseWindowId("0X1f"), 0x1Fu);
  EXPECT_EQ(ParseWindowId("6291464"), 6291464u);
  EXPECT_EQ(ParseWindowId("0xFFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseWindowId("4294967295"), 0xFFFFFFFFu);
  for (const char* bad : {"", "0", "0x0", "4294967296", "0x100000000", "99999999999999999999999",
                          "-5", "+5", " 12", "12 ", "1f", "0x-1", "0xg", "x12"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseWindowId(bad).has_value());
  }
}

TEST(ParseDetailName, NamesAreTheDetailLabelsInLowerCase) {
  EXPECT_EQ(ParseDetailName("low"), 0);
  EXPECT_EQ(ParseDetailName("middle"), 1);
  EXPECT_EQ(ParseDetailName("high"), 2);
  for (const char* bad : {"", "Low", "HIGH", "hig", "highest", "2"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseDetailName(bad).has_value());
  }
}
}  // namespace
