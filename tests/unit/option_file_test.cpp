// XScreenSaver's option file for vorn: its command, its detail choices, its
// frame-rate slider and switch must be what the program understands and what
// the settings table offers.
#include <glib.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "shell/launch_options.h"
#include "shell/settings.h"

namespace {
struct OptionFile {
  std::string command;
  std::map<std::string, std::string> detailArguments;  // option id -> arg-set, "" for none
  std::map<std::string, std::map<std::string, std::string>> controls;  // number, boolean by id
};

void OnElement(GMarkupParseContext*, const gchar* element, const gchar** names,
               const gchar** values, gpointer data, GError**) {
  auto& file = *static_cast<OptionFile*>(data);
  std::map<std::string, std::string> attributes;
  for (int i = 0; names[i] != nullptr; ++i) attributes[names[i]] = values[i];
  if (std::strcmp(element, "command") == 0) file.command = attributes["arg"];
  if (std::strcmp(element, "option") == 0) {
    file.detailArguments[attributes["id"]] = attributes["arg-set"];
  }
  if (std::strcmp(element, "number") == 0 || std::strcmp(element, "boolean") == 0) {
    file.controls[attributes["id"]] = attributes;
  }
}

OptionFile ReadOptionFile() {
  OptionFile file;
  gchar* text = nullptr;
  gsize length = 0;
  EXPECT_TRUE(g_file_get_contents(VORN_SOURCE_DIR "/resources/xscreensaver/vorn.xml", &text,
                                  &length, nullptr));
  GMarkupParser parser{};
  parser.start_element = OnElement;
  GMarkupParseContext* context = g_markup_parse_context_new(&parser, {}, &file, nullptr);
  GError* error = nullptr;
  EXPECT_TRUE(g_markup_parse_context_parse(context, text, static_cast<gssize>(length), &error) &&
              g_markup_parse_context_end_parse(context, &error))
      << (error != nullptr ? error->message : "");
  if (error != nullptr) g_error_free(error);
  g_markup_parse_context_free(context);
  g_free(text);
  return file;
}

// The command line XScreenSaver runs: the command, then the controls' arguments.
LaunchOptions ParseCommand(const OptionFile& file, const std::string& arguments) {
  std::istringstream words(file.command + " " + arguments);
  std::vector<std::string> kept{"vorn"};
  for (std::string word; words >> word;) kept.push_back(word);
  std::vector<const char*> argv;
  for (const std::string& word : kept) argv.push_back(word.c_str());
  return ParseLaunchOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(OptionFile, RunsTheHackOnXScreenSaversWindow) {
  const OptionFile file = ReadOptionFile();
  const char* arguments[] = {"vorn", file.command.c_str()};
  EXPECT_EQ(ParseLaunchOptions(2, arguments).kind, LaunchKind::kHostRoot) << file.command;
}

TEST(OptionFile, OffersEveryDetailChoiceAndTheStoredDetailAsDefault) {
  const OptionFile file = ReadOptionFile();
  const SaverSetting* detail = nullptr;
  for (const SaverSetting& setting : kSaverSettings) {
    if (std::strcmp(setting.name, "Detail") == 0) detail = &setting;
  }
  ASSERT_NE(detail, nullptr);
  ASSERT_EQ(file.detailArguments.size(), detail->choiceCount + 1);
  int withoutArgument = 0;
  for (const auto& [id, argument] : file.detailArguments) {
    if (argument.empty()) {
      ++withoutArgument;
      continue;
    }
    SCOPED_TRACE(argument);
    const std::string prefix = "--detail ";
    ASSERT_EQ(argument.rfind(prefix, 0), 0u);
    const auto level = ParseDetailName(argument.substr(prefix.size()));
    ASSERT_TRUE(level.has_value());
    EXPECT_EQ(id, argument.substr(prefix.size()));
    EXPECT_LT(static_cast<std::size_t>(*level), detail->choiceCount);
    EXPECT_EQ(detail->choices[*level].value, *level);
  }
  EXPECT_EQ(withoutArgument, 1);
}
TEST(OptionFile, PassesTheDelayAndTheFrameRateAsXScreenSaverDoes) {
  OptionFile file = ReadOptionFile();
  auto& delay = file.controls["delay"];
  ASSERT_EQ(delay["arg"], "--delay %");
  // At the slider's default XScreenSaver leaves the option out.
  EXPECT_EQ(std::strtoul(delay["default"].c_str(), nullptr, 10),
            FrameDelayMicroseconds(ParseCommand(file, "")));
  for (const char* end : {"low", "default", "high"}) {
    SCOPED_TRACE(end);
    const LaunchOptions options = ParseCommand(file, "--delay " + delay[end]);
    ASSERT_EQ(options.kind, LaunchKind::kHostRoot) << options.error;
    EXPECT_EQ(FrameDelayMicroseconds(options), std::strtoul(delay[end].c_str(), nullptr, 10));
  }
  EXPECT_FALSE(ParseCommand(file, "").showFrameRate);
  EXPECT_TRUE(ParseCommand(file, file.controls["showfps"]["arg-set"]).showFrameRate);
}
}  // namespace
