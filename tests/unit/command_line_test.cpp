// The screen saver switches, as hosts send them.
#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace {
void ExpectStart(const SaverStart& start, SaverMode mode, WindowHandleNumber parent,
                 bool foreground, int fullSize) {
  EXPECT_EQ(start.saverMode, mode);
  EXPECT_EQ(start.parentHandle, parent);
  EXPECT_EQ(start.parentIsForeground, foreground);
  EXPECT_EQ(start.fullSizeTextures, fullSize);
}

TEST(ParseSwitches, FullScreenInAnySpellingIgnoresWhatFollows) {
  for (const char* text : {"/s", "-S", "s", "/S", "/s 999", "/s:12", "   /s"}) {
    SCOPED_TRACE(text);
    ExpectStart(ParseSwitches(text), SaverMode::kFullScreen, 0, false, 1);
  }
}

TEST(ParseSwitches, PreviewTakesTheHandleAfterBlanksAndColons) {
  for (const char* text : {"/p 1234", "/p:1234", "/P 1234", "/L 1234", "-l1234", "/p : :1234",
                           "p 1234 5678", "/p 1234x"}) {
    SCOPED_TRACE(text);
    ExpectStart(ParseSwitches(text), SaverMode::kPreview, 1234, false, 0);
  }
  for (const char* text : {"/P", "/l", "/p  ", "/p x12", "/p -5", "/p\t12"}) {
    SCOPED_TRACE(text);
    ExpectStart(ParseSwitches(text), SaverMode::kPreview, 0, false, 0);
  }
}

TEST(ParseSwitches, ConfigureUsesTheForegroundWindowOnlyWithoutAnyText) {
  ExpectStart(ParseSwitches("/c:5678"), SaverMode::kConfigure, 5678, false, 0);
  ExpectStart(ParseSwitches("-C 5678"), SaverMode::kConfigure, 5678, false, 0);
  for (const char* text : {"/c", "/C", "/c  ", "/c::", "/c : "}) {
    SCOPED_TRACE(text);
    ExpectStart(ParseSwitches(text), SaverMode::kConfigure, 0, true, 0);
  }
  // Text that is no number still counts as given: handle 0, not the foreground window.
  ExpectStart(ParseSwitches("/c x"), SaverMode::kConfigure, 0, false, 0);
  ExpectStart(ParseSwitches(""), SaverMode::kConfigure, 0, false, 0);
  ExpectStart(ParseSwitches("   "), SaverMode::kConfigure, 0, false, 0);
}

TEST(ParseSwitches, ChangePasswordTakesTheHandle) {
  ExpectStart(ParseSwitches("/a 42"), SaverMode::kChangePassword, 42, false, 0);
  ExpectStart(ParseSwitches("A:42"), SaverMode::kChangePassword, 42, false, 0);
  ExpectStart(ParseSwitches("/a"), SaverMode::kChangePassword, 0, false, 0);
}

TEST(ParseSwitches, UnknownSwitchesDoNothing) {
  for (const char* text : {"/x", "x", "/", "-", "//s", "--s", "/ s", "/?"}) {
    SCOPED_TRACE(text);
    ExpectStart(ParseSwitches(text), SaverMode::kNothing, 0, false, 0);
  }
}

TEST(ParseSwitches, HandleNumbersSaturateInsteadOfWrapping) {
  EXPECT_EQ(ParseSwitches("/p 18446744073709551615").parentHandle, kLargestWindowHandle);
  EXPECT_EQ(ParseSwitches("/p 18446744073709551614").parentHandle, kLargestWindowHandle - 1);
  EXPECT_EQ(ParseSwitches("/p 18446744073709551616").parentHandle, kLargestWindowHandle);
  EXPECT_EQ(ParseSwitches("/c:123456789012345678901234567890").parentHandle, kLargestWindowHandle);
  // Beyond a 32-bit int, where atoi would have failed.
  EXPECT_EQ(ParseSwitches("/a 4294967296").parentHandle, 4294967296u);
  EXPECT_EQ(ParseSwitches("/p 000012").parentHandle, 12u);
}

TEST(ParseCommandLine, SkipsTheProgramNameQuotedOrNot) {
  ExpectStart(ParseCommandLine("\"C:\\Program Files\\My Savers\\vorn.scr\" /s"),
              SaverMode::kFullScreen, 0, false, 1);
  ExpectStart(ParseCommandLine("\"C:\\Program Files\\vorn.scr\"/p 77"), SaverMode::kPreview, 77,
              false, 0);
  ExpectStart(ParseCommandLine("C:\\WINDOWS\\vorn.scr     /p:1234"), SaverMode::kPreview, 1234,
              false, 0);
  ExpectStart(ParseCommandLine("vorn.scr /c"), SaverMode::kConfigure, 0, true, 0);
  ExpectStart(ParseCommandLine("vorn.scr -x"), SaverMode::kNothing, 0, false, 0);
  // A switch inside the quoted name is part of the name.
  ExpectStart(ParseCommandLine("\"vorn /s.scr\" /p 5"), SaverMode::kPreview, 5, false, 0);
}

TEST(ParseCommandLine, NothingAfterTheNameConfigures) {
  for (const char* line : {"", "vorn.scr", "vorn.scr   ", "\"C:\\My Savers\\vorn.scr\"",
                           "\"C:\\My Savers\\vorn.scr\"  ", "\"never closed /s"}) {
    SCOPED_TRACE(line);
    ExpectStart(ParseCommandLine(line), SaverMode::kConfigure, 0, false, 0);
  }
}

TEST(ParseArguments, JoinsTheArgumentsWithBlanks) {
  const char* preview[] = {"vorn", "/p", "1234"};
  ExpectStart(ParseArguments(3, preview), SaverMode::kPreview, 1234, false, 0);
  const char* configure[] = {"vorn", "-c"};
  ExpectStart(ParseArguments(2, configure), SaverMode::kConfigure, 0, true, 0);
  const char* alone[] = {"vorn"};
  ExpectStart(ParseArguments(1, alone), SaverMode::kConfigure, 0, false, 0);
}
}  // namespace
