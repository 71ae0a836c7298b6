// The running program's folder from /proc/self/exe, and a look in each folder.
#include "shell/linux/sibling_program.h"

#include <unistd.h>

#include <climits>

namespace {
// The folder of the running program with links resolved; empty if unknown.
std::string OwnFolder() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "";
  const std::string own(path, static_cast<std::size_t>(length));
  return own.substr(0, own.rfind('/'));
}
}  // namespace

std::string FindSiblingProgram(const char* name, std::initializer_list<const char*> folders,
                               std::string& searched) {
  const std::string folder = OwnFolder();
  searched.clear();
  for (const char* relative : folders) {
    const std::string beside = folder + "/";
    const std::string candidate =
        std::string(relative) == "." ? beside + name : beside + relative + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    searched += (searched.empty() ? "" : ", ") + candidate;
  }
  return "";
}
