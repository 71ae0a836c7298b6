// Replacing a file through a temporary file and a rename.
#include "shell/linux/replace_file.h"

#include <fcntl.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace {
constexpr int kNewFileMode = 0666;  // less the umask, as for any file a program creates
// What a replaced file keeps of its mode: the permissions, never set-user-ID,
// set-group-ID or sticky, which were granted to other contents.
constexpr mode_t kKeptModeBits = 0777;
constexpr int kMostLinkHops = 40;  // as many as the kernel follows
constexpr int kFolderMode = 0700;

// Writes all of data, going on after short writes; false with errno set on failure.
bool WriteAll(int fd, const void* data, std::size_t size) {
  const char* next = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = write(fd, next, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    next += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool Fail(std::string& reason, int error) {
  reason = g_strerror(error);
  return false;
}

// A device or a pipe: written where it is. Opening without blocking keeps a
// pipe nobody reads from from hanging the program.
bool WriteInPlace(const std::string& path, const void* data, std::size_t size,
                  std::string& reason) {
  const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail(reason, errno);
  const bool written = fcntl(fd, F_SETFL, 0) == 0 && WriteAll(fd, data, size);
  const int error = errno;
  if (close(fd) != 0 && written) return Fail(reason, errno);
  return written || Fail(reason, error);
}

// Where a chain of symbolic links ends: the file its last link names, which
// need not exist. The path itself when it is no link.
std::string LinkChainEnd(const std::string& path) {
  std::string current = path;
  // Past this many links the kernel gives up (ELOOP), and the caller has seen that already.
  for (int hop = 0; hop < kMostLinkHops; ++hop) {
    gchar* next = g_file_read_link(current.c_str(), nullptr);
    if (next == nullptr) break;
    gchar* folder = g_path_get_dirname(current.c_str());
    gchar* joined =
        g_path_is_absolute(next) ? g_strdup(next) : g_build_filename(folder, next, nullptr);
    current = joined;
    g_free(joined);
    g_free(folder);
    g_free(next);
  }
  return current;
}
}  // namespace

bool ReplaceFile(const std::string& path, const void* data, std::size_t size, std::string& reason,
                 DanglingLink dangling) {
  // Past a file-size limit the kernel stops the program unless it ignores the
  // signal; then the write fails with EFBIG and is reported like any other.
  std::signal(SIGXFSZ, SIG_IGN);
  struct stat existing {};
  const bool exists = g_stat(path.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return Fail(reason, errno);
  if (exists && !S_ISREG(existing.st_mode)) return WriteInPlace(path, data, size, reason);

  // The rename must land on the link's target, not on the link.
  std::string target = path;
  if (exists) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return Fail(reason, errno);
    target = resolved;
    std::free(resolved);
  } else if (dangling == DanglingLink::kCreateTarget) {
    target = LinkChainEnd(path);
  }
  std::string temporary = target + ".XXXXXX";
  const int fd = g_mkstemp_full(temporary.data(), O_WRONLY | O_CLOEXEC, kNewFileMode);
  if (fd < 0) {
    const int error = errno;
    const bool linked = !exists && target != path;
    reason = (linked ? "the link's target " + target + ": " : std::string()) + g_strerror(error);
    return false;
  }
  bool written = WriteAll(fd, data, size);
  if (written && exists) written = fchmod(fd, existing.st_mode & kKeptModeBits) == 0;
  if (written) written = fsync(fd) == 0;
  int error = errno;
  if (close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written && rename(temporary.c_str(), target.c_str()) != 0) {
    written = false;
    error = errno;
  }
  if (written) return true;
  unlink(temporary.c_str());
  return Fail(reason, error);
}

bool CreateFolderOf(const std::string& path, std::string& error) {
  gchar* folder = g_path_get_dirname(path.c_str());
  const bool created = g_mkdir_with_parents(folder, kFolderMode) == 0;
  if (!created) {
    const int reason = errno;
    error = std::string("cannot create the folder ") + folder + ": " + g_strerror(reason);
  }
  g_free(folder);
  return created;
}
