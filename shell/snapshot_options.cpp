#include "shell/snapshot_options.h"

#include <cerrno>
#include <cstdlib>

#include "shell/launch_options.h"

namespace {
constexpr long kLargestSide = 16384;
constexpr long kMostFrames = 1000000;

// A whole decimal number within [low, high], and nothing else.
bool ParseNumber(const char* text, long long low, long long high, long long& value) {
  if (text == nullptr || *text < '0' || *text > '9') return false;
  char* end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(text, &end, 10);
  if (errno != 0 || *end != '\0' || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

bool ParseSize(const std::string& text, int& width, int& height) {
  const auto x = text.find('x');
  if (x == std::string::npos) return false;
  long long w = 0;
  long long h = 0;
  if (!ParseNumber(text.substr(0, x).c_str(), 1, kLargestSide, w) ||
      !ParseNumber(text.substr(x + 1).c_str(), 1, kLargestSide, h)) {
    return false;
  }
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

bool ParseClock(const std::string& text, TimeOfDay& time) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return false;
  long long h = 0;
  long long m = 0;
  long long s = 0;
  if (!ParseNumber(text.substr(0, 2).c_str(), 0, 23, h) ||
      !ParseNumber(text.substr(3, 2).c_str(), 0, 59, m) ||
      !ParseNumber(text.substr(6, 2).c_str(), 0, 59, s)) {
    return false;
  }
  time = TimeOfDay{static_cast<int>(h), static_cast<int>(m), static_cast<int>(s)};
  return true;
}

bool ParseDetail(const std::string& text, int& detail) {
  const auto level = ParseDetailName(text);
  if (level) detail = *level;
  return level.has_value();
}

bool ParseLook(const std::string& text, std::optional<std::uint8_t>& daylight) {
  if (text == "day") {
    daylight = 1;
  } else if (text == "night") {
    daylight = 0;
  } else {
    return false;
  }
  return true;
}

// Applies one option with its value; false if the value does not fit the option.
bool ApplyOption(const std::string& name, const char* value, SnapshotOptions& options) {
  long long number = 0;
  if (name == "--size") return ParseSize(value, options.width, options.height);
  if (name == "--seed" || name == "--ms") {
    if (!ParseNumber(value, 0, 0xFFFFFFFFLL, number)) return false;
    (name == "--seed" ? options.seed : options.milliseconds) = static_cast<std::uint32_t>(number);
    return true;
  }
  if (name == "--clock") {
    TimeOfDay time{};
    if (!ParseClock(value, time)) return false;
    options.clock = time;
    return true;
  }
  if (name == "--detail") return ParseDetail(value, options.detail);
  if (name == "--look") return ParseLook(value, options.daylight);
  if (name == "--frames") {
    if (!ParseNumber(value, 1, kMostFrames, number)) return false;
    options.frames = static_cast<int>(number);
    return true;
  }
  return false;
}

}  // namespace

bool IsSnapshotOption(std::string_view name) {
  for (const char* known :
       {"--size", "--seed", "--ms", "--clock", "--detail", "--look", "--frames"}) {
    if (name == known) return true;
  }
  return false;
}

bool ParseSnapshotOptions(int argc, const char* const* argv, SnapshotOptions& options,
                          std::string& error) {
  if (argc < 1 || argv[0][0] == '\0' || argv[0][0] == '-') {
    error = argc < 1 ? "missing PNG file name" : std::string("bad PNG file name: ") + argv[0];
    return false;
  }
  options.path = argv[0];
  for (int i = 1; i < argc; i += 2) {
    const std::string name = argv[i];
    if (!IsSnapshotOption(name)) {
      error = "unknown option: " + name;
      return false;
    }
    if (i + 1 >= argc) {
      error = "missing value for " + name;
      return false;
    }
    if (!ApplyOption(name, argv[i + 1], options)) {
      error = "bad value for " + name + ": " + argv[i + 1];
      return false;
    }
  }
  return true;
}
