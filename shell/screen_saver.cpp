// Loading and saving the ScreenSaver's settings, and the closing handshake's
// state changes.
#include "shell/screen_saver.h"

#include "shell/settings.h"

void ScreenSaver::LoadSystemSettings(SettingsStore& systemStore) {
  passwordDelay = kDefaultPasswordDelay;
  checkingPassword = 0;
  if (!systemStore.OpenForReading()) return;
  if (const auto delay = systemStore.Read(kPasswordDelayName)) passwordDelay = *delay;
  systemStore.Close();
}

void ScreenSaver::LoadSettings(SettingsStore& ownStore) {
  if (!ownStore.OpenForReading()) {
    for (const SaverSetting& setting : kSaverSettings) {
      this->*setting.field = setting.defaultWithoutStore;
    }
    return;
  }
  for (const SaverSetting& setting : kSaverSettings) {
    this->*setting.field = ownStore.Read(setting.name).value_or(setting.defaultWithoutValue);
  }
  ownStore.Close();
}

void ScreenSaver::SaveSettings(SettingsStore& ownStore) const {
  if (!ownStore.OpenForWriting()) return;
  for (const SaverSetting& setting : kSaverSettings) {
    ownStore.Write(setting.name, this->*setting.field);
  }
  ownStore.Close();
}

void ScreenSaver::RequestClose() {
  closeRequested = 1;
  actions_.PostCloseMessage();
}

void ScreenSaver::BeginPasswordCheck() {
  checkingPassword = 1;
  actions_.RefreshCursor();
}

void ScreenSaver::EndPasswordCheck() {
  checkingPassword = 0;
  actions_.RefreshCursor();
}

bool ScreenSaver::CheckPassword() {
  BeginPasswordCheck();
  const bool accepted = actions_.VerifyPassword();
  EndPasswordCheck();
  return accepted;
}
