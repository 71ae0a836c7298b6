// Loading and saving the idle start through any settings store.
#include "shell/linux/idle_start_setting.h"

IdleStart LoadIdleStart(SettingsStore& store) {
  IdleStart idleStart;
  if (!store.OpenForReading()) return idleStart;
  const auto enabled = store.Read(kIdleStartName);
  if (enabled && (*enabled == 0 || *enabled == 1)) idleStart.enabled = *enabled == 1;
  const auto minutes = store.Read(kIdleMinutesName);
  if (minutes && *minutes >= kFewestIdleMinutes && *minutes <= kMostIdleMinutes) {
    idleStart.minutes = *minutes;
  }
  store.Close();
  return idleStart;
}

void SaveIdleStart(SettingsStore& store, const IdleStart& idleStart) {
  if (!store.OpenForWriting()) return;
  store.Write(kIdleStartName, idleStart.enabled ? 1 : 0);
  store.Write(kIdleMinutesName, idleStart.minutes);
  store.Close();
}
