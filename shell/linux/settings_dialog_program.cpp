// Finds vorn-settings from where this program really lies: beside it in the
// build tree (and in any folder holding both), else in the helper folder of an
// install, reached from XScreenSaver's hack folder (bin/vorn links there).
#include "shell/linux/settings_dialog_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "shell/linux/sibling_program.h"

namespace {
constexpr const char* kDialogProgram = "vorn-settings";
constexpr int kFailure = 1;
}  // namespace

std::optional<int> RunSettingsDialog(const ProgramCall& call) {
  const LaunchOptions& launch = call.launch;
  if (launch.kind != LaunchKind::kSaverSwitches ||
      launch.start.saverMode != SaverMode::kConfigure) {
    return std::nullopt;
  }
  std::string searched;
  const std::string program =
      FindSiblingProgram(kDialogProgram, {".", VORN_SETTINGS_FROM_HACKS}, searched);
  if (program.empty()) {
    std::fprintf(stderr, "vorn: the settings dialog program is missing (looked for %s)\n",
                 searched.c_str());
    return kFailure;
  }
  execv(program.c_str(), call.argv);
  std::fprintf(stderr, "vorn: cannot run the settings dialog %s: %s\n", program.c_str(),
               std::strerror(errno));
  return kFailure;
}
