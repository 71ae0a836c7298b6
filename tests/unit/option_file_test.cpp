// XScreenSaver's option file for vorn: its command and its detail choices
// must be what the program understands and what the settings table offers.
#include <glib.h>
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "shell/launch_options.h"
#include "shell/settings.h"

namespace {
struct OptionFile {
  std::string command;
  std::map<std::string, std::string> detailArguments;  // option id -> arg-set, "" for none
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
}  // namespace
