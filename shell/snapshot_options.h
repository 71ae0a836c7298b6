// The options of a snapshot: a chosen moment of the scene rendered to a PNG.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "scene/platform.h"

struct SnapshotOptions {
  std::string path;
  int width = 640;
  int height = 480;
  std::optional<std::uint32_t> seed;          // default: from the clock
  std::optional<std::uint32_t> milliseconds;  // counter at the first frame; default: live
  std::optional<TimeOfDay> clock;             // default: the current time
  int detail = 2;                             // High
  std::optional<std::uint8_t> daylight;       // overrides the drawn look
  int frames = 1;
};

// Parses the arguments that follow "--snapshot". On failure, error names the
// argument at fault and the options are not to be used.
bool ParseSnapshotOptions(int argc, const char* const* argv, SnapshotOptions& options,
                          std::string& error);

// One of the options above, each of which takes a value.
bool IsSnapshotOption(std::string_view name);
