// A POSIX record lock on the whole of $XDG_RUNTIME_DIR/vorn-NAME.lock: the
// system ends it with the process, children do not inherit it, and any other
// process can ask who holds it.
#include "shell/linux/session_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {
constexpr mode_t kLockMode = 0600;

// Empty when the session has no usable runtime folder.
std::string LockPath(const char* name) {
  const char* folder = std::getenv("XDG_RUNTIME_DIR");
  if (folder == nullptr || folder[0] != '/') return "";
  return std::string(folder) + "/vorn-" + name + ".lock";
}

struct flock WholeFile() {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  return lock;
}
}  // namespace

bool TakeSessionLock(const char* name) {
  const std::string path = LockPath(name);
  if (path.empty()) return true;
  const int file = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kLockMode);
  if (file < 0) return true;
  struct flock lock = WholeFile();
  if (fcntl(file, F_SETLK, &lock) == 0) return true;  // the descriptor stays open: the lock with it
  close(file);
  return false;
}

pid_t SessionLockHolder(const char* name) {
  const std::string path = LockPath(name);
  if (path.empty()) return 0;
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (file < 0) return 0;
  struct flock lock = WholeFile();
  const bool asked = fcntl(file, F_GETLK, &lock) == 0;
  close(file);
  return asked && lock.l_type != F_UNLCK ? lock.l_pid : 0;
}
