// The shell's one stateful object: the password delay, the closing flags and
// the two own settings, with their loading and saving. What it must ask of
// the window goes through SaverWindowActions.
#pragma once

#include <cstdint>

#include "shell/settings_store.h"

// The platform's side of closing: carried out on the saver window.
class SaverWindowActions {
 public:
  // Queues a close message to the saver window; it is judged when it arrives.
  virtual void PostCloseMessage() = 0;
  // Shows or hides the cursor at once, as the password-check flag now says.
  virtual void RefreshCursor() = 0;
  // Asks the system for the saver password; true when closing may go ahead.
  virtual bool VerifyPassword() = 0;

 protected:
  ~SaverWindowActions() = default;
};

constexpr std::int32_t kDefaultPasswordDelay = 15;  // seconds
constexpr const char* kPasswordDelayName = "Password Delay";

class ScreenSaver {
 public:
  explicit ScreenSaver(SaverWindowActions& actions) : actions_(actions) {}

  // Reads the password delay from the system's screen saver store.
  void LoadSystemSettings(SettingsStore& systemStore);
  // Reads the own settings; see kSaverSettings for the defaults.
  void LoadSettings(SettingsStore& ownStore);
  void SaveSettings(SettingsStore& ownStore) const;

  void RequestClose();
  void BeginPasswordCheck();
  void EndPasswordCheck();
  // The password prompt, with the flag up while it runs; true when closing may go ahead.
  bool CheckPassword();

  std::int32_t passwordDelay = kDefaultPasswordDelay;  // seconds of grace after start
  std::uint32_t startTick = 0;        // millisecond tick when the window was created
  std::int32_t checkingPassword = 0;  // 1 while the password prompt is up
  std::int32_t closeRequested = 0;    // 1 once input asked to close
  std::int32_t mouseControl = 1;      // "Rotate": nonzero, the mouse steers instead of closing
  std::int32_t detail = 2;            // "Detail": 0 Low, 1 Middle, 2 High

 private:
  SaverWindowActions& actions_;
};
