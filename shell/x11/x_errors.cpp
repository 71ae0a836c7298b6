// Xlib error handlers that turn errors about our windows into a flag, and
// one end for a lost connection whether Xlib or a crash reports it.
#include "shell/x11/x_errors.h"

#include <poll.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {
std::vector<Window> watchedWindows;
bool watchedWindowGone = false;
constexpr char kLostConnectionLine[] = "vorn: lost the connection to the X display\n";
// The window's owner going away is a normal end for a saver.
constexpr int kLostConnectionCode = 0;
int connectionSocket = -1;
// How long a crash waits to see whether the server is going away.
constexpr std::int64_t kClosingWaitMilliseconds = 1000;
struct sigaction previousOnSegv {};
struct sigaction previousOnBus {};

int OnXError(Display* display, XErrorEvent* error) {
  const auto watched = std::find(watchedWindows.begin(), watchedWindows.end(), error->resourceid);
  if (watched != watchedWindows.end()) watchedWindowGone = true;
  // Once a window we draw on is gone, requests on what we made for it (its
  // context, graphics contexts, pixmaps, cursors) fail as well: no news either.
  if (watchedWindowGone) return 0;
  char text[256] = "";
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "vorn: X error: %s (request %d.%d, resource 0x%lx)\n", text,
               error->request_code, error->minor_code, error->resourceid);
  return 0;
}

// Only what a signal handler may call: the end of a crash goes through here too.
[[noreturn]] void EndLost() {
  const ssize_t written = write(STDERR_FILENO, kLostConnectionLine, sizeof kLostConnectionLine - 1);
  static_cast<void>(written);
  _exit(kLostConnectionCode);
}

// Xlib ends the process when this returns, so it ends it itself. With the
// server gone there is nothing left to release on its side.
int OnXConnectionLost(Display*) { EndLost(); }

std::int64_t MonotonicMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// The server closes its end within a moment: reading on, past what it still
// sent, finds the end of the stream or an error. What is read is lost, but
// the process is ending anyway.
bool ConnectionClosing() {
  const std::int64_t deadline = MonotonicMilliseconds() + kClosingWaitMilliseconds;
  char buffer[4096];
  while (MonotonicMilliseconds() < deadline) {
    const ssize_t count = recv(connectionSocket, buffer, sizeof buffer, MSG_DONTWAIT);
    if (count == 0) return true;
    if (count > 0 || errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return true;
    pollfd connection{connectionSocket, POLLIN, 0};
    poll(&connection, 1, 10);
  }
  return false;
}

// A crash while the server stays is a fault of ours: returning repeats it
// under the handler that was there before, the signal's own or a sanitizer's.
void OnCrash(int signal) {
  if (ConnectionClosing()) EndLost();
  sigaction(signal, signal == SIGSEGV ? &previousOnSegv : &previousOnBus, nullptr);
}
}  // namespace

void InstallXErrorHandlers() {
  std::signal(SIGPIPE, SIG_IGN);
  XSetErrorHandler(OnXError);
  XSetIOErrorHandler(OnXConnectionLost);
}

void EndCrashOnLostConnection(Display* display) {
  connectionSocket = ConnectionNumber(display);
  struct sigaction action {};
  action.sa_handler = OnCrash;
  sigemptyset(&action.sa_mask);
  sigaction(SIGSEGV, &action, &previousOnSegv);
  sigaction(SIGBUS, &action, &previousOnBus);
}

void ReportFailure(Display* display, const char* line) {
  // The GL library notices a lost server without telling Xlib; a round trip does.
  XSync(display, False);
  std::fputs(line, stderr);
}

void WatchWindow(Window window) { watchedWindows.push_back(window); }

bool WatchedWindowGone() { return watchedWindowGone; }
