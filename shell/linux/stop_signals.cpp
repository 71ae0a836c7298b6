// The stop flag, the pipe that wakes waits, and the handler of SIGTERM and
// SIGINT that raises and writes them.
#include "shell/linux/stop_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace {
volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t endAtOnce = 0;
int wakePipe[2] = {-1, -1};

void OnStopSignal(int) {
  if (endAtOnce != 0) _exit(0);
  stopRequested = 1;
  const char byte = 1;
  // A full pipe is readable already.
  [[maybe_unused]] const ssize_t written = write(wakePipe[1], &byte, 1);
}
}  // namespace

void InstallStopSignals() {
  if (pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) wakePipe[0] = wakePipe[1] = -1;
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

bool StopRequested() { return stopRequested != 0; }

int StopSignalDescriptor() { return wakePipe[0]; }

void EndAtOnceOnStopUntilTheLoop() {
  endAtOnce = 1;
  if (stopRequested != 0) _exit(0);
}

void TheLoopStarts() { endAtOnce = 0; }
