// Files written whole: what a replaced file keeps of its mode, a file-size
// limit, and symbolic links whose target is not there yet.
#include "shell/linux/replace_file.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "shell/linux/settings_file.h"
#include "shell/screen_saver.h"
#include "tests/support/no_window.h"
#include "tests/support/scratch_folder.h"

namespace {
struct ReplaceFileTest : testing::Test {
  void SetUp() override { ASSERT_FALSE(folder.empty()); }

  bool Replace(const std::string& text) {
    reason.clear();
    return ReplaceFile(path, text.data(), text.size(), reason);
  }

  ScratchFolder scratch{"vorn-replace-XXXXXX"};
  const std::string& folder = scratch.path();
  std::string path = folder + "/file";
  std::string reason;
};

TEST_F(ReplaceFileTest, KeepsThePermissionsButNeverTheSpecialBits) {
  const struct {
    mode_t before;
    mode_t after;
  } cases[] = {{04755, 0755}, {02750, 0750}, {06711, 0711}, {01777, 0777}, {0640, 0640}};
  for (const auto& mode : cases) {
    std::ofstream(path) << "old";
    ASSERT_EQ(chmod(path.c_str(), mode.before), 0);
    ASSERT_TRUE(Replace("new")) << reason;
    struct stat replaced {};
    ASSERT_EQ(stat(path.c_str(), &replaced), 0);
    EXPECT_EQ(replaced.st_mode & 07777, mode.after) << std::oct << mode.before;
    EXPECT_EQ(ReadAll(path), "new");
  }
}

TEST_F(ReplaceFileTest, AFileSizeLimitFailsTheWriteAndLeavesTheOldFile) {
  std::ofstream(path) << "old";
  rlimit limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit tight{4, limit.rlim_max};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
  // Before the write was reported, the limit's signal ended the whole program here.
  const bool replaced = Replace("more than four bytes");
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  EXPECT_FALSE(replaced);
  EXPECT_EQ(reason, g_strerror(EFBIG));
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_EQ(EntriesIn(folder), 1) << "a temporary file was left behind";
}

TEST_F(ReplaceFileTest, ADanglingLinkIsReplacedForASnapshotButKeptForTheSettings) {
  // A picture written through a link that points nowhere could land anywhere: the link goes.
  ASSERT_EQ(symlink("elsewhere.png", path.c_str()), 0);
  ASSERT_TRUE(Replace("picture")) << reason;
  struct stat written {};
  ASSERT_EQ(lstat(path.c_str(), &written), 0);
  EXPECT_TRUE(S_ISREG(written.st_mode));
  EXPECT_FALSE(g_file_test((folder + "/elsewhere.png").c_str(), G_FILE_TEST_EXISTS));

  // The settings through a dotfile manager's links, the last of which names no file yet.
  const std::string settings = folder + "/vorn/vorn.conf";
  const std::string target = folder + "/dotfiles/vorn/vorn.conf";
  ASSERT_EQ(g_mkdir_with_parents((folder + "/vorn").c_str(), 0700), 0);
  ASSERT_EQ(g_mkdir_with_parents((folder + "/dotfiles/vorn").c_str(), 0700), 0);
  ASSERT_EQ(symlink("../dotfiles/middle.conf", settings.c_str()), 0);
  ASSERT_EQ(symlink("vorn/vorn.conf", (folder + "/dotfiles/middle.conf").c_str()), 0);
  NoWindow window;
  ScreenSaver saver(window);
  saver.mouseControl = 0;
  saver.detail = 1;
  SettingsFile file(settings);
  std::string error;
  ASSERT_TRUE(file.Save(saver, error)) << error;
  struct stat link {};
  ASSERT_EQ(lstat(settings.c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_EQ(ReadAll(target), "[vorn]\nRotate=0\nDetail=1\n");
  EXPECT_EQ(EntriesIn(folder + "/dotfiles/vorn"), 1);

  // A target whose folder is missing is not made up: the save fails and says where.
  const std::string lost = folder + "/vorn/lost.conf";
  ASSERT_EQ(symlink("../missing/vorn.conf", lost.c_str()), 0);
  SettingsFile lostFile(lost);
  EXPECT_FALSE(lostFile.Save(saver, error));
  EXPECT_NE(error.find("missing/vorn.conf"), std::string::npos) << error;
  ASSERT_EQ(lstat(lost.c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
}
}  // namespace

TEST_F(ReplaceFileTest, TheFolderOfANewFileIsTheUsersOwnAndAFailureNamesIt) {
  const std::string nested = folder + "/config/vorn/settings.ini";
  ASSERT_TRUE(CreateFolderOf(nested, reason)) << reason;
  for (const std::string& made : {folder + "/config", folder + "/config/vorn"}) {
    struct stat created {};
    ASSERT_EQ(stat(made.c_str(), &created), 0) << made;
    EXPECT_EQ(created.st_mode & 0777, 0700u) << made;
  }

  std::ofstream(folder + "/plain") << "a file where a folder should be";
  EXPECT_FALSE(CreateFolderOf(folder + "/plain/vorn/settings.ini", reason));
  EXPECT_EQ(reason, "cannot create the folder " + folder + "/plain/vorn: " + g_strerror(ENOTDIR));
}
