#include "shell/web/page_address.h"

#include "shell/launch_options.h"

namespace {
// The words that only a still picture takes; detail is shared with the live page.
constexpr const char* kStillWords[] = {"seed", "ms", "clock", "look", "frames", "size"};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Decode(std::string_view text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool escaped = text[i] == '%' && i + 2 < text.size();
    const int high = escaped ? HexDigit(text[i + 1]) : -1;
    const int low = escaped ? HexDigit(text[i + 2]) : -1;
    if (high >= 0 && low >= 0) {
      decoded += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      decoded += text[i] == '+' ? ' ' : text[i];
    }
  }
  return decoded;
}

bool IsStillWord(const std::string& name) {
  for (const char* word : kStillWords) {
    if (name == word) return true;
  }
  return false;
}

// One word of vorn --snapshot with its value, checked on its own.
bool SnapshotWordFits(const std::string& option, const std::string& value) {
  const char* words[] = {"page", option.c_str(), value.c_str()};
  SnapshotOptions scratch;
  std::string error;
  return ParseSnapshotOptions(3, words, scratch, error);
}
}  // namespace

PageAddress ParsePageAddress(std::string_view query) {
  PageAddress address;
  std::vector<std::string> stillWords{"page"};
  bool still = false;
  while (!query.empty()) {
    const std::size_t end = query.find('&');
    const std::string_view pair = query.substr(0, end);
    query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
    if (pair.empty()) continue;
    const std::size_t equals = pair.find('=');
    const std::string name = Decode(pair.substr(0, equals));
    const std::string value =
        equals == std::string_view::npos ? std::string() : Decode(pair.substr(equals + 1));
    const auto ignore = [&](const char* why) {
      address.warnings.push_back("ignoring " + name + "=" + value + ": " + why);
    };
    const auto keepForLive = [&]() {
      address.liveQuery += (address.liveQuery.empty() ? "" : "&") + std::string(pair);
    };
    if (name == "mouse") {
      if (value == "0" || value == "1") {
        address.mouseControl = value == "1" ? 1 : 0;
        keepForLive();
      } else {
        ignore("mouse is 0 or 1");
      }
    } else if (name == "detail") {
      address.detail = ParseDetailName(value);
      if (!address.detail) ignore("detail is low, middle or high");
      if (address.detail) {
        stillWords.insert(stillWords.end(), {"--detail", value});
        keepForLive();
      }
    } else if (IsStillWord(name)) {
      if (SnapshotWordFits("--" + name, value)) {
        stillWords.insert(stillWords.end(), {"--" + name, value});
        still = true;
      } else {
        ignore("not a value vorn --snapshot takes");
      }
    } else {
      ignore("unknown word");
    }
  }
  if (still) {
    std::vector<const char*> argv;
    for (const std::string& word : stillWords) argv.push_back(word.c_str());
    SnapshotOptions options;
    std::string error;
    if (ParseSnapshotOptions(static_cast<int>(argv.size()), argv.data(), options, error)) {
      address.still = options;
    } else {
      address.warnings.push_back("no still picture: " + error);
    }
  }
  return address;
}
