// One process per session: a second process cannot take a held lock and
// learns who holds it; the lock goes with its holder; no runtime folder
// lets everyone run.
#include "shell/linux/session_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/support/scratch_folder.h"

namespace {
// What `check` returns in a child process (that is not the lock's holder).
bool InChild(bool (*check)()) {
  const pid_t child = fork();
  if (child == 0) _exit(check() ? 0 : 1);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct SessionLockTest : testing::Test {
  void SetUp() override {
    ASSERT_FALSE(scratch.path().empty());
    setenv("XDG_RUNTIME_DIR", scratch.path().c_str(), 1);
  }
  void TearDown() override { unsetenv("XDG_RUNTIME_DIR"); }

  ScratchFolder scratch{"vorn-session-XXXXXX"};
};

TEST_F(SessionLockTest, ASecondProcessIsRefusedAndToldTheHolder) {
  EXPECT_EQ(SessionLockHolder("test"), 0);
  // Taken in a child that keeps it until told to go.
  int go[2];
  ASSERT_EQ(pipe(go), 0);
  const pid_t holder = fork();
  if (holder == 0) {
    close(go[1]);
    char byte;
    _exit(TakeSessionLock("test") && read(go[0], &byte, 1) >= 0 ? 0 : 1);
  }
  close(go[0]);
  for (int tries = 0; tries < 500 && SessionLockHolder("test") == 0; ++tries) usleep(10000);
  EXPECT_EQ(SessionLockHolder("test"), holder);
  EXPECT_FALSE(TakeSessionLock("test"));
  EXPECT_TRUE(InChild([] { return SessionLockHolder("other") == 0; }));
  close(go[1]);
  int status = 0;
  waitpid(holder, &status, 0);
  EXPECT_EQ(SessionLockHolder("test"), 0);
  EXPECT_TRUE(InChild([] { return TakeSessionLock("test"); }));
}

TEST(SessionLock, WithoutARuntimeFolderEveryoneRuns) {
  unsetenv("XDG_RUNTIME_DIR");
  EXPECT_TRUE(InChild([] { return TakeSessionLock("test"); }));
  EXPECT_TRUE(InChild([] { return TakeSessionLock("test"); }));
  setenv("XDG_RUNTIME_DIR", "relative/folder", 1);
  EXPECT_TRUE(InChild([] { return TakeSessionLock("test"); }));
  unsetenv("XDG_RUNTIME_DIR");
}
}  // namespace
