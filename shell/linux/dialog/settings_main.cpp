// vorn-settings: the settings dialog of vorn /c. vorn runs it in its own
// place with its own arguments, so this reads them the same way, loads the
// settings file and leaves storing to the dialog; a changed idle start is
// carried out at once.
#include <glib.h>

#include <cstdio>
#include <string>

#include "shell/launch_options.h"
#include "shell/linux/dialog/config_dialog.h"
#include "shell/linux/idle/idle_autostart.h"
#include "shell/linux/idle_start_setting.h"
#include "shell/linux/settings_file.h"
#include "shell/screen_saver.h"

namespace {
constexpr int kUsageError = 2;

// The dialog has no saver window: nothing to close, no cursor to change.
class NoSaverWindow : public SaverWindowActions {
 public:
  void PostCloseMessage() override {}
  void RefreshCursor() override {}
  bool VerifyPassword() override { return true; }
};
}  // namespace

int main(int argc, char** argv) {
  const LaunchOptions launch = ParseLaunchOptions(argc, argv);
  if (launch.kind != LaunchKind::kSaverSwitches ||
      launch.start.saverMode != SaverMode::kConfigure) {
    std::fputs("vorn-settings: vorn runs this for /c; use vorn /c\n", stderr);
    return kUsageError;
  }
  // The dialog's window keeps the saver's name and class, as when vorn drew it itself.
  g_set_prgname("vorn");

  NoSaverWindow noWindow;
  ScreenSaver saver(noWindow);
  SettingsFile settingsFile(SettingsFile::DefaultPath());
  saver.LoadSettings(settingsFile);
  if (launch.detail) saver.detail = *launch.detail;
  const IdleStart loaded = LoadIdleStart(settingsFile);
  IdleStart idleStart = loaded;
  // "/c" alone has no owner on X: there is no foreground window to borrow.
  return RunConfigDialog(
      saver, idleStart,
      [&settingsFile, &loaded](const ScreenSaver& shown, const IdleStart& chosen,
                               std::string& error) {
        return settingsFile.Save(shown, error) &&
               settingsFile.Save([&chosen](SettingsStore& store) { SaveIdleStart(store, chosen); },
                                 error) &&
               ApplyIdleStart(loaded, chosen, error);
      },
      launch.start.parentIsForeground ? 0 : launch.start.parentHandle);
}
