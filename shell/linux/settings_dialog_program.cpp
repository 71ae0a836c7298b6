// Finds vorn-settings from where this program really lies: beside it in the
// build tree (and in any folder holding both), else in the helper folder of an
// install, reached from XScreenSaver's hack folder (bin/vorn links there).
#include "shell/linux/settings_dialog_program.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
constexpr const char* kDialogProgram = "vorn-settings";
constexpr const char* kSearchedFolders[] = {".", VORN_SETTINGS_FROM_HACKS};
constexpr int kFailure = 1;

// The folder of the running program with links resolved; empty if unknown.
std::string OwnFolder() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "";
  const std::string own(path, static_cast<std::size_t>(length));
  return own.substr(0, own.rfind('/'));
}
}  // namespace

std::optional<int> RunSettingsDialog(const ProgramCall& call) {
  const LaunchOptions& launch = call.launch;
  if (launch.kind != LaunchKind::kSaverSwitches ||
      launch.start.saverMode != SaverMode::kConfigure) {
    return std::nullopt;
  }
  char** argv = call.argv;
  const std::string folder = OwnFolder();
  std::string searched;
  for (const char* relative : kSearchedFolders) {
    const std::string candidate = folder + "/" + relative + "/" + kDialogProgram;
    if (access(candidate.c_str(), X_OK) == 0) {
      execv(candidate.c_str(), argv);
      std::fprintf(stderr, "vorn: cannot run the settings dialog %s: %s\n", candidate.c_str(),
                   std::strerror(errno));
      return kFailure;
    }
    searched += (searched.empty() ? "" : ", ") + candidate;
  }
  std::fprintf(stderr, "vorn: the settings dialog program is missing (looked for %s)\n",
               searched.c_str());
  return kFailure;
}
