#include "shell/linux/saver_settings.h"

#include "scene/frame_rate_overlay.h"
#include "shell/linux/no_system_settings.h"
#include "shell/linux/settings_file.h"

void LoadSaverSettings(ScreenSaver& saver, const LaunchOptions& launch) {
  NoSystemSettings systemSettings;
  saver.LoadSystemSettings(systemSettings);
  SettingsFile settingsFile(SettingsFile::DefaultPath());
  saver.LoadSettings(settingsFile);
  if (launch.detail) saver.detail = *launch.detail;
}

RunPacing PacingFor(const LaunchOptions& launch) {
  return {FrameDelayMicroseconds(launch), launch.showFrameRate ? DrawFrameRate : nullptr};
}
