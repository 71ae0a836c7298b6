// The watcher's few states as plain flags.
#include "shell/linux/idle/idle_periods.h"

IdleAction IdlePeriods::OnIdle(bool mayCover) {
  if (saverRunning_ || startedThisPeriod_ || !mayCover) return IdleAction::kNothing;
  startedThisPeriod_ = true;
  saverRunning_ = true;
  return IdleAction::kStartSaver;
}

void IdlePeriods::OnActive() { startedThisPeriod_ = false; }

void IdlePeriods::OnSaverEnded() { saverRunning_ = false; }
