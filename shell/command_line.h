// The screen saver switches: which mode the host asks for and the window
// handle that comes with it. Parsing only; the shells act on the result.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "shell/saver_mode.h"

// Window handles travel as decimal numbers. Wide enough for an HWND and an X11
// Window; a number beyond the largest value saturates to it.
using WindowHandleNumber = std::uint64_t;
constexpr WindowHandleNumber kLargestWindowHandle = std::numeric_limits<WindowHandleNumber>::max();

struct SaverStart {
  SaverMode saverMode = SaverMode::kNothing;
  WindowHandleNumber parentHandle = 0;  // 0 when no switch supplies one
  std::string parentText;               // the handle as written ("abc" in "/p abc"), for messages
  bool parentIsForeground = false;      // /c without a number: the shell uses the foreground window
  std::int32_t fullSizeTextures = 0;    // 1 only for full-screen saving
};

// A whole Windows command line: the program name (quoted or not) comes first.
SaverStart ParseCommandLine(std::string_view commandLine);
// The text after the program name; leading blanks are skipped.
SaverStart ParseSwitches(std::string_view switches);
// argv as main receives it: the switches are argv[1..argc-1] joined by blanks.
SaverStart ParseArguments(int argc, const char* const* argv);
