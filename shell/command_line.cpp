// Reads the screen saver switches: /s, /p or /l, /c, /a, with '-' or nothing
// in place of '/', letters in either case.
#include "shell/command_line.h"

#include <string>

namespace {
constexpr char kBlank = ' ';
constexpr char kQuote = '"';

std::string_view SkipBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(kBlank);
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view SkipBlanksAndColons(std::string_view text) {
  const auto first = text.find_first_not_of(" :");
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view FirstWord(std::string_view text) { return text.substr(0, text.find(kBlank)); }

// The leading decimal digits, 0 if there are none. Hosts never send numbers
// that do not fit, but a hostile or broken one may: saturate rather than wrap.
WindowHandleNumber LeadingNumber(std::string_view text) {
  WindowHandleNumber value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    const auto digit = static_cast<WindowHandleNumber>(c - '0');
    if (value > (kLargestWindowHandle - digit) / 10) return kLargestWindowHandle;
    value = value * 10 + digit;
  }
  return value;
}
}  // namespace

SaverStart ParseCommandLine(std::string_view commandLine) {
  std::string_view rest = commandLine;
  if (!rest.empty() && rest.front() == kQuote) {
    const auto closing = rest.find(kQuote, 1);
    rest.remove_prefix(closing == std::string_view::npos ? rest.size() : closing);
  } else {
    const auto blank = rest.find(kBlank);
    rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank);
  }
  // The closing quote or the blank that ends the name.
  if (!rest.empty()) rest.remove_prefix(1);
  return ParseSwitches(rest);
}

SaverStart ParseSwitches(std::string_view switches) {
  SaverStart start;
  switches = SkipBlanks(switches);
  if (switches.empty()) {
    start.saverMode = SaverMode::kConfigure;
    return start;
  }
  if (switches.front() == '-' || switches.front() == '/') switches.remove_prefix(1);
  if (switches.empty()) return start;
  const std::string_view argument = SkipBlanksAndColons(switches.substr(1));
  start.parentText = FirstWord(argument);
  switch (switches.front()) {
    case 'p':
    case 'P':
    case 'l':
    case 'L':
      start.saverMode = SaverMode::kPreview;
      start.parentHandle = LeadingNumber(argument);
      break;
    case 's':
    case 'S':
      start.saverMode = SaverMode::kFullScreen;
      start.fullSizeTextures = 1;
      break;
    case 'c':
    case 'C':
      start.saverMode = SaverMode::kConfigure;
      start.parentIsForeground = argument.empty();
      start.parentHandle = LeadingNumber(argument);
      break;
    case 'a':
    case 'A':
      start.saverMode = SaverMode::kChangePassword;
      start.parentHandle = LeadingNumber(argument);
      break;
    default:
      break;
  }
  return start;
}

SaverStart ParseArguments(int argc, const char* const* argv) {
  std::string switches;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) switches += kBlank;
    switches += argv[i];
  }
  return ParseSwitches(switches);
}
