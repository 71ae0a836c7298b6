#include "scene/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
ScenePlatform* installedPlatform = nullptr;
}

void InstallScenePlatform(ScenePlatform& platform) { installedPlatform = &platform; }

ScenePlatform& CurrentScenePlatform() {
  if (installedPlatform == nullptr) {
    std::fputs("vorn: the scene was started before a platform was installed\n", stderr);
    std::abort();
  }
  return *installedPlatform;
}
