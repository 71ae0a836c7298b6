// The Windows entry: reads the host's switch, loads the settings and runs the
// saver window, the configuration dialog or the password change.
#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

#include <cstdint>

#include "resources/resource.h"
#include "scene/platform.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "shell/command_line.h"
#include "shell/startup_trace.h"
#include "shell/win32/config_dialog.h"
#include "shell/win32/password.h"
#include "shell/win32/registry_store.h"
#include "shell/win32/saver_process.h"
#include "shell/win32/saver_window.h"
#include "shell/win32/win32_platform.h"
#include "shell/win32/window_actions.h"

namespace {
HWND ParentWindow(const SaverStart& start) {
  if (start.parentIsForeground) return GetForegroundWindow();
  // A number that saturated names no window, and the calls given it fail.
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(start.parentHandle));
}

void LoadAllSettings(ScreenSaver& saver) {
  RegistryStore systemStore(kSystemSaverKey);
  saver.LoadSystemSettings(systemStore);
  RegistryStore ownStore(kOwnSettingsKey);
  saver.LoadSettings(ownStore);
}

void Dispatch(HWND parent, int showCommand) {
  switch (saverMode) {
    case SaverMode::kChangePassword:
      ChangePassword(parent);
      break;
    case SaverMode::kConfigure: {
      // An owner that is no window would make the dialog fail to show: it goes unowned instead.
      const HWND owner = IsWindow(parent) ? parent : nullptr;
      DialogBoxParamA(instanceHandle, MAKEINTRESOURCEA(IDD_CONFIG), owner, ConfigDialogProc, 0);
      break;
    }
    case SaverMode::kPreview:
    case SaverMode::kFullScreen:
      RunSaverWindow(parent, showCommand);
      break;
    case SaverMode::kNothing:
      break;
  }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  BeginStartupTrace();
  SeedRandom(timeGetTime());
  instanceHandle = instance;
  Win32Platform platform;
  InstallScenePlatform(platform);

  const SaverStart start = ParseCommandLine(GetCommandLineA());
  saverMode = start.saverMode;
  fullSizeTextures = start.fullSizeTextures;

  WindowActions actions;
  ScreenSaver saver(actions);
  screenSaver = &saver;
  // An unknown switch does nothing at all.
  if (saverMode != SaverMode::kNothing) {
    LoadAllSettings(saver);
    Dispatch(ParentWindow(start), showCommand);
  }
  screenSaver = nullptr;
  return 0;
}
