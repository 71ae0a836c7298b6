// Sorts the arguments into the forms the program understands. A request for
// help or the version, or a word with two dashes that names no option, decides
// the run wherever it stands. --detail, --delay and --fps may come with any
// form; a hack option anywhere makes the whole line a hack's, and then every
// other argument must be a hack option too.
#include "shell/launch_options.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "shell/settings.h"
#include "shell/snapshot_options.h"

namespace {
// Hacks take their options with one dash or two: "-root" or "--root" for "-root".
bool Names(std::string_view argument, std::string_view option) {
  return argument == option || (argument.size() == option.size() + 1 && argument.front() == '-' &&
                                argument.substr(1) == option);
}

bool IsHackOption(std::string_view argument) {
  return Names(argument, "-root") || Names(argument, "-window-id") || Names(argument, "-window");
}

// Decimal microseconds up to the longest delay; empty for anything else.
std::optional<std::uint32_t> ParseDelay(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
    if (value > kLongestDelayMicroseconds) return std::nullopt;
  }
  return value;
}

LaunchOptions UsageError(std::string error) {
  LaunchOptions options;
  options.kind = LaunchKind::kUsageError;
  options.error = std::move(error);
  return options;
}

LaunchOptions OnlyKind(LaunchKind kind) {
  LaunchOptions options;
  options.kind = kind;
  return options;
}

// The options that may stand anywhere on the command line, by their one-dash
// spelling; --snapshot must come first, and help and the version decide at once.
struct LongOption {
  std::string_view name;
  bool takesValue;
};
constexpr LongOption kLongOptions[] = {
    {"-root", false},  {"-window", false}, {"-window-id", true},
    {"-detail", true}, {"-delay", true},   {"-fps", false},
};

// Whether a known option takes a value; empty for any other word.
using OptionShape = std::optional<bool> (*)(std::string_view argument);

std::optional<bool> LongOptionTakesValue(std::string_view argument) {
  const auto known =
      std::find_if(std::begin(kLongOptions), std::end(kLongOptions),
                   [argument](const LongOption& o) { return Names(argument, o.name); });
  if (known == std::end(kLongOptions)) return std::nullopt;
  return known->takesValue;
}

std::optional<bool> SnapshotOptionTakesValue(std::string_view argument) {
  if (IsSnapshotOption(argument)) return true;
  return std::nullopt;
}

// Help, the version, or an unknown word with two dashes: the first of them
// from argv[first] on decides, skipping the values of the options that take one.
std::optional<LaunchOptions> FirstDecidingWord(int first, int argc, const char* const* argv,
                                               OptionShape shape) {
  for (int i = first; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-h" || Names(argument, "-help")) return OnlyKind(LaunchKind::kHelp);
    if (Names(argument, "-version")) return OnlyKind(LaunchKind::kVersion);
    if (const auto takesValue = shape(argument)) {
      if (*takesValue) ++i;
    } else if (argument.substr(0, 2) == "--") {
      return UsageError("unknown option: " + std::string(argument));
    }
  }
  return std::nullopt;
}

// On Linux a preview's window is an X window id in decimal, as the switch's
// description says; the shared parser reads any leading digits, as Windows does.
std::optional<LaunchOptions> BadPreviewWindow(const SaverStart& start) {
  if (start.saverMode != SaverMode::kPreview) return std::nullopt;
  const std::string& text = start.parentText;
  const bool decimal = std::all_of(
      text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  if (decimal && ParseWindowId(text)) return std::nullopt;
  if (text.empty()) return UsageError("missing window id for the preview");
  return UsageError("bad window id for the preview: " + text + " (a decimal X window id)");
}

// Every argument is a hack option; the last of -root, -window-id and -window decides.
LaunchOptions ParseHackOptions(const std::vector<const char*>& arguments) {
  LaunchOptions options;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (Names(argument, "-root")) {
      options.kind = LaunchKind::kHostRoot;
    } else if (Names(argument, "-window")) {
      options.kind = LaunchKind::kWindow;
    } else if (Names(argument, "-window-id")) {
      if (i + 1 >= arguments.size()) {
        return UsageError("missing value for " + std::string(argument));
      }
      const auto id = ParseWindowId(arguments[++i]);
      if (!id) {
        return UsageError("bad value for " + std::string(argument) + ": " + arguments[i]);
      }
      options.kind = LaunchKind::kHostWindow;
      options.hostWindow = *id;
    } else {
      return UsageError("unknown argument: " + std::string(argument));
    }
  }
  return options;
}
}  // namespace

LaunchOptions ParseLaunchOptions(int argc, const char* const* argv) {
  LaunchOptions options;
  // A snapshot's own options follow its file name, and are all read with a value.
  if (argc >= 2 && std::string_view(argv[1]) == "--snapshot") {
    if (auto decided = FirstDecidingWord(2, argc, argv, SnapshotOptionTakesValue)) return *decided;
    options.kind = LaunchKind::kSnapshot;
    return options;
  }
  if (auto decided = FirstDecidingWord(1, argc, argv, LongOptionTakesValue)) return *decided;
  std::vector<const char*> rest;
  LaunchOptions overrides;
  for (int i = 0; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool detail = argument == "--detail";
    const bool delay = Names(argument, "-delay");
    if (i > 0 && Names(argument, "-fps")) {
      overrides.showFrameRate = true;
      continue;
    }
    if (i == 0 || (!detail && !delay)) {
      rest.push_back(argv[i]);
      continue;
    }
    if (i + 1 >= argc) return UsageError("missing value for " + std::string(argument));
    const char* value = argv[++i];
    if (detail) overrides.detail = ParseDetailName(value);
    if (delay) overrides.delayMicroseconds = ParseDelay(value);
    if (detail ? !overrides.detail : !overrides.delayMicroseconds) {
      const char* hint = delay ? " (microseconds, 0 to 10000000)" : "";
      return UsageError("bad value for " + std::string(argument) + ": " + value + hint);
    }
  }
  if (std::any_of(rest.begin(), rest.end(), [](const char* a) { return IsHackOption(a); })) {
    options = ParseHackOptions(rest);
    if (options.kind == LaunchKind::kUsageError) return options;
  } else {
    options.start = ParseArguments(static_cast<int>(rest.size()), rest.data());
    if (auto bad = BadPreviewWindow(options.start)) return *bad;
  }
  options.detail = overrides.detail;
  options.delayMicroseconds = overrides.delayMicroseconds;
  options.showFrameRate = overrides.showFrameRate;
  return options;
}

std::uint32_t FrameDelayMicroseconds(const LaunchOptions& options) {
  const bool xscreensaver = options.kind == LaunchKind::kHostRoot;
  return options.delayMicroseconds.value_or(xscreensaver ? kXScreenSaverDelayMicroseconds : 0);
}

bool CanRunOnWayland(const LaunchOptions& options) {
  return options.kind == LaunchKind::kWindow || (options.kind == LaunchKind::kSaverSwitches &&
                                                 options.start.saverMode == SaverMode::kFullScreen);
}

std::int32_t FullSizeTexturesFor(const LaunchOptions& options) {
  switch (options.kind) {
    case LaunchKind::kWindow:
    case LaunchKind::kHostRoot:
      return 1;
    case LaunchKind::kSaverSwitches:
      return options.start.fullSizeTextures;
    default:
      return 0;
  }
}

std::optional<WindowHandleNumber> ParseWindowId(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  WindowHandleNumber value = 0;
  for (const char c : text) {
    const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                          ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                          : -1;
    if (digit < 0) return std::nullopt;
    value = value * base + static_cast<WindowHandleNumber>(digit);
    if (value > kLargestXWindowId) return std::nullopt;
  }
  if (value == 0) return std::nullopt;
  return value;
}

std::optional<std::int32_t> ParseDetailName(std::string_view name) {
  for (const SaverSetting& setting : kSaverSettings) {
    if (std::string_view(setting.name) != "Detail") continue;
    for (std::size_t i = 0; i < setting.choiceCount; ++i) {
      const std::string_view label = setting.choices[i].label;
      const bool same = label.size() == name.size() &&
                        std::equal(label.begin(), label.end(), name.begin(), [](char l, char n) {
                          return std::tolower(static_cast<unsigned char>(l)) == n;
                        });
      if (same) return setting.choices[i].value;
    }
  }
  return std::nullopt;
}
