// When the watcher starts the saver: once the desktop turns idle, at most once
// per idle period (a saver that dies or cannot start waits for the next one),
// never over another saver of its own, and not while the session is locked or
// something holds the desktop awake.
#pragma once

enum class IdleAction { kNothing, kStartSaver };

class IdlePeriods {
 public:
  // The desktop has been idle for the set time. mayCover: no lock, no inhibitor.
  IdleAction OnIdle(bool mayCover);
  // Input came: a new idle period may begin.
  void OnActive();
  void OnSaverEnded();

  bool saverRunning() const { return saverRunning_; }

 private:
  bool startedThisPeriod_ = false;
  bool saverRunning_ = false;
};
