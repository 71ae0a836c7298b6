// The settings key file: where it is, the loading rules through ScreenSaver,
// every kind of bad file, and saving by replacing the file in one step.
#include "shell/linux/settings_file.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "shell/screen_saver.h"
#include "tests/support/no_window.h"
#include "tests/support/scratch_folder.h"

namespace {
void WriteAll(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

int LineCount(const std::string& text) {
  int lines = 0;
  for (const char c : text) lines += c == '\n' ? 1 : 0;
  return lines;
}

struct SettingsFileTest : testing::Test {
  void SetUp() override {
    ASSERT_FALSE(folder.empty());
    ASSERT_EQ(g_mkdir((folder + "/vorn").c_str(), 0700), 0);
  }

  // Loads into a saver whose fields hold nonsense first; returns what went to stderr.
  std::string Load() {
    saver.mouseControl = 77;
    saver.detail = 77;
    SettingsFile file(path);
    testing::internal::CaptureStderr();
    saver.LoadSettings(file);
    return testing::internal::GetCapturedStderr();
  }

  NoWindow window;
  ScreenSaver saver{window};
  ScratchFolder scratch{"vorn-settings-XXXXXX"};
  const std::string& folder = scratch.path();
  std::string path = folder + "/vorn/vorn.conf";
};

TEST(SettingsFilePath, FollowsXdgConfigHomeOnlyWhenAbsolute) {
  EXPECT_EQ(SettingsFile::PathFor("/x/conf", "/home/u"), "/x/conf/vorn/vorn.conf");
  for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/conf"}) {
    EXPECT_EQ(SettingsFile::PathFor(ignored, "/home/u"), "/home/u/.config/vorn/vorn.conf");
  }
}

TEST_F(SettingsFileTest, WithoutAFileMouseControlIsOnAndDetailHighQuietly) {
  EXPECT_EQ(Load(), "");
  EXPECT_EQ(saver.mouseControl, 1);
  EXPECT_EQ(saver.detail, 2);
  EXPECT_FALSE(g_file_test(path.c_str(), G_FILE_TEST_EXISTS));
}

TEST_F(SettingsFileTest, AFileWithoutDetailGivesMiddleAndValuesStayAsStored) {
  WriteAll(path, "[vorn]\nRotate=0\n");
  EXPECT_EQ(Load(), "");
  EXPECT_EQ(saver.mouseControl, 0);
  EXPECT_EQ(saver.detail, 1);

  WriteAll(path, "# mine\n[vorn]\nDetail=5\nRotate=-3\n");
  EXPECT_EQ(Load(), "");
  EXPECT_EQ(saver.mouseControl, -3);
  EXPECT_EQ(saver.detail, 5);

  // A key file without the group is a file without the values.
  WriteAll(path, "[other]\nDetail=0\n");
  EXPECT_EQ(Load(), "");
  EXPECT_EQ(saver.mouseControl, 1);
  EXPECT_EQ(saver.detail, 1);
}

TEST_F(SettingsFileTest, BadValuesFallBackOneByOneWithOneLineAndTheFileUntouched) {
  struct Case {
    const char* text;
    int mouseControl;
    int detail;
  };
  const Case cases[] = {
      {"[vorn]\nRotate=0\nDetail=high\n", 0, 1},        {"[vorn]\nRotate=yes\nDetail=0\n", 1, 0},
      {"[vorn]\nRotate=on\nDetail=\n", 1, 1},  // two bad values, still one line
      {"[vorn]\nRotate=0\nDetail=99999999999\n", 0, 1}, {"[vorn]\nRotate=0\nDetail=2.5\n", 0, 1},
      {"[vorn]\nRotate=0\nDetail=\xff\xfe\n", 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    WriteAll(path, c.text);
    const std::string errors = Load();
    EXPECT_EQ(saver.mouseControl, c.mouseControl);
    EXPECT_EQ(saver.detail, c.detail);
    EXPECT_EQ(LineCount(errors), 1) << errors;
    EXPECT_NE(errors.find(path), std::string::npos) << errors;
    EXPECT_EQ(ReadAll(path), c.text);
  }
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadAtAllLeavesEveryDefaultWithOneLine) {
  for (const char* text : {"garbage\n", "[vorn\nRotate=0\n", "Rotate=0\n[vorn]\nDetail=0\n"}) {
    SCOPED_TRACE(text);
    WriteAll(path, text);
    const std::string errors = Load();
    EXPECT_EQ(saver.mouseControl, 1);
    EXPECT_EQ(saver.detail, 2);
    EXPECT_EQ(LineCount(errors), 1) << errors;
    EXPECT_EQ(ReadAll(path), text);
  }
}

TEST_F(SettingsFileTest, AWarningQuotesTheFileShortAndEscaped) {
  struct Case {
    std::string text;
    std::string quoted;  // what the warning shows of it
  };
  const Case cases[] = {
      {std::string(60000, 'x') + "\n", "\u201c" + std::string(60, 'x') + "...\u201d"},
      {"ab\x1b]0;owned\x07\x1b[31mred\xc2\x9b\n",
       "\u201c"
       "ab\\e]0;owned\\a\\e[31mred\\xc2\\x9b\u201d"},
  };
  for (const Case& c : cases) {
    WriteAll(path, c.text);
    const std::string errors = Load();
    SCOPED_TRACE(errors.substr(0, 300));
    EXPECT_EQ(LineCount(errors), 1);
    EXPECT_NE(errors.find(c.quoted), std::string::npos);
    EXPECT_LT(errors.size(), 300u);
  }
}

TEST_F(SettingsFileTest, AFileLargerThan64KiBIsRefusedUnreadWithOneLine) {
  const std::string settings = "[vorn]\nRotate=0\nDetail=0\n";
  const std::size_t limit = 64 * 1024;
  // A comment pads the file to the size, which alone decides.
  for (const std::size_t size : {limit, limit + 1}) {
    const std::string text = settings + "#" + std::string(size - settings.size() - 2, 'x') + "\n";
    WriteAll(path, text);
    const std::string errors = Load();
    if (size == limit) {
      EXPECT_EQ(errors, "");
      EXPECT_EQ(saver.detail, 0);
      continue;
    }
    EXPECT_EQ(LineCount(errors), 1) << errors;
    EXPECT_NE(errors.find("64 KiB"), std::string::npos) << errors;
    EXPECT_EQ(saver.mouseControl, 1);
    EXPECT_EQ(saver.detail, 2);
    EXPECT_EQ(ReadAll(path), text);
  }
}

TEST_F(SettingsFileTest, AFileOfNulBytesIsReportedAndLeftAlone) {
  const std::string nuls(4096, '\0');
  WriteAll(path, nuls);
  const std::string errors = Load();
  EXPECT_EQ(LineCount(errors), 1) << errors;
  EXPECT_EQ(saver.mouseControl, 1);
  EXPECT_EQ(saver.detail, 2);
  EXPECT_EQ(ReadAll(path), nuls);
}

TEST_F(SettingsFileTest, AFolderOrAPipeInPlaceOfTheFileIsReportedNotRead) {
  ASSERT_EQ(g_mkdir(path.c_str(), 0700), 0);
  std::string errors = Load();
  EXPECT_EQ(saver.detail, 2);
  EXPECT_EQ(LineCount(errors), 1) << errors;
  EXPECT_TRUE(g_file_test(path.c_str(), G_FILE_TEST_IS_DIR));

  // Opening a pipe for reading would wait for a writer forever.
  ASSERT_EQ(g_rmdir(path.c_str()), 0);
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  errors = Load();
  EXPECT_EQ(saver.detail, 2);
  EXPECT_EQ(LineCount(errors), 1) << errors;
}

TEST_F(SettingsFileTest, SavingCreatesTheFoldersAndReadsBackTheSame) {
  path = folder + "/new/deeper/vorn.conf";
  saver.mouseControl = 0;
  saver.detail = 1;
  SettingsFile file(path);
  std::string error;
  ASSERT_TRUE(file.Save(saver, error)) << error;
  EXPECT_EQ(ReadAll(path), "[vorn]\nRotate=0\nDetail=1\n");
  EXPECT_EQ(Load(), "");
  EXPECT_EQ(saver.mouseControl, 0);
  EXPECT_EQ(saver.detail, 1);
}

TEST_F(SettingsFileTest, SavingReplacesTheFileInOneStepAndKeepsWhatElseItHolds) {
  WriteAll(path, "# kept\n[vorn]\nRotate=1\nDetail=2\n\n[other]\nx=y\n");
  const std::string oldName = folder + "/old.conf";
  // A second name for the old file: rewriting in place would change it, a rename does not.
  ASSERT_EQ(link(path.c_str(), oldName.c_str()), 0);
  saver.mouseControl = 0;
  saver.detail = 0;
  SettingsFile file(path);
  std::string error;
  ASSERT_TRUE(file.Save(saver, error)) << error;

  EXPECT_EQ(ReadAll(oldName), "# kept\n[vorn]\nRotate=1\nDetail=2\n\n[other]\nx=y\n");
  const std::string saved = ReadAll(path);
  EXPECT_NE(saved.find("# kept"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Rotate=0\nDetail=0"), std::string::npos) << saved;
  EXPECT_NE(saved.find("[other]\nx=y"), std::string::npos) << saved;
  EXPECT_EQ(EntriesIn(folder + "/vorn"), 1) << "a temporary file was left behind";
}

TEST_F(SettingsFileTest, SavingThroughALinkWritesItsTargetAndKeepsTheLinkAndTheMode) {
  const std::string target = folder + "/dotfiles/vorn.conf";
  ASSERT_EQ(g_mkdir((folder + "/dotfiles").c_str(), 0700), 0);
  WriteAll(target, "[vorn]\nRotate=1\nDetail=2\n");
  ASSERT_EQ(chmod(target.c_str(), 0600), 0);
  ASSERT_EQ(symlink("../dotfiles/vorn.conf", path.c_str()), 0);
  saver.mouseControl = 0;
  saver.detail = 0;
  SettingsFile file(path);
  std::string error;
  ASSERT_TRUE(file.Save(saver, error)) << error;

  struct stat link {};
  ASSERT_EQ(lstat(path.c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  struct stat saved {};
  ASSERT_EQ(stat(target.c_str(), &saved), 0);
  EXPECT_EQ(saved.st_mode & 07777, 0600u);
  EXPECT_EQ(ReadAll(target), "[vorn]\nRotate=0\nDetail=0\n");
}

TEST_F(SettingsFileTest, SavingKeepsTheTranslationsOfEveryLanguage) {
  WriteAll(path, "[v]\nName=x\nName[eo]=y\n");
  SettingsFile file(path);
  std::string error;
  ASSERT_TRUE(file.Save(saver, error)) << error;
  const std::string saved = ReadAll(path);
  EXPECT_NE(saved.find("Name[eo]=y"), std::string::npos) << saved;
}

TEST_F(SettingsFileTest, AFailedSaveNamesTheFileAndTheReasonAndChangesNothing) {
  ASSERT_EQ(g_mkdir(path.c_str(), 0700), 0);
  SettingsFile file(path);
  std::string error;
  EXPECT_FALSE(file.Save(saver, error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_NE(error.find("directory"), std::string::npos) << error;
  EXPECT_TRUE(g_file_test(path.c_str(), G_FILE_TEST_IS_DIR));

  // A file where the folder should be.
  const std::string blocked = folder + "/blocked";
  WriteAll(blocked, "not a folder");
  SettingsFile below(blocked + "/vorn.conf");
  error.clear();
  EXPECT_FALSE(below.Save(saver, error));
  EXPECT_NE(error.find(blocked), std::string::npos) << error;
  EXPECT_EQ(ReadAll(blocked), "not a folder");

  // A failure is not remembered past the next good save.
  ASSERT_EQ(g_rmdir(path.c_str()), 0);
  error.clear();
  EXPECT_TRUE(file.Save(saver, error)) << error;
}
}  // namespace
