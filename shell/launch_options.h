// How the program was asked to run on Linux: the screen saver switches, the
// options of an XScreenSaver hack (-root, -window-id, --detail, --delay, --fps),
// the saver in an ordinary window, a snapshot, or the usage text or version.
// Parsing only; main acts on the result.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/command_line.h"

enum class LaunchKind {
  kSaverSwitches,  // /s, /p, /l, /c, /a or nothing: see start
  kSnapshot,       // --snapshot: the arguments after it are snapshot options
  kWindow,         // --window: the full-screen saver's rules in an ordinary window
  kHostRoot,       // -root: the window in XSCREENSAVER_WINDOW, else the root window
  kHostWindow,     // -window-id: the window in hostWindow
  kHelp,           // --help, -help or -h: print the usage text
  kVersion,        // --version: print the version
  kUsageError,     // error says which argument is at fault
};

struct LaunchOptions {
  LaunchKind kind = LaunchKind::kSaverSwitches;
  SaverStart start;                    // for kSaverSwitches
  WindowHandleNumber hostWindow = 0;   // for kHostWindow
  std::optional<std::int32_t> detail;  // --detail: replaces the stored detail for this run
  std::optional<std::uint32_t> delayMicroseconds;  // --delay: a pause after each frame
  bool showFrameRate = false;                      // --fps: the frame rate drawn in a corner
  std::string error;                               // for kUsageError
};

LaunchOptions ParseLaunchOptions(int argc, const char* const* argv);

// The longest pause --delay takes: 10 s, a frame slower than any use of a saver.
constexpr std::uint32_t kLongestDelayMicroseconds = 10'000'000;
// The pause without --delay under XScreenSaver (-root): its settings leave the
// option out when the slider is at the option file's default, which is this.
constexpr std::uint32_t kXScreenSaverDelayMicroseconds = 20'000;

// The pause after each frame: --delay, or else the form's default, which is
// no pause (frames back to back) except under XScreenSaver.
std::uint32_t FrameDelayMicroseconds(const LaunchOptions& options);
// Full-screen saving and --window can run on a Wayland compositor; the other
// launches draw on X windows.
bool CanRunOnWayland(const LaunchOptions& options);
// 1 where the scene gets its full-size textures: --window, -root, and the
// switches that ask for them (see SaverStart).
std::int32_t FullSizeTexturesFor(const LaunchOptions& options);

// X window ids are 32-bit numbers.
constexpr WindowHandleNumber kLargestXWindowId = 0xFFFFFFFF;

// A window id as hosts write it: hexadecimal with 0x, or decimal. Empty for
// anything else, for 0 and for numbers too large to be an X window id.
std::optional<WindowHandleNumber> ParseWindowId(std::string_view text);

// The detail levels by their names on the command line: the labels of the
// Detail choices in lower case ("low", "middle", "high").
std::optional<std::int32_t> ParseDetailName(std::string_view name);
