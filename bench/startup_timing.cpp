// Each run starts vorn with VORN_STARTUP_TRACE set, reads the wall clock just
// before posix_spawn, and reads vorn's timestamps from its standard error
// until the first swap; then stops it with SIGTERM, as hosts do on Linux.
// One run before the measured ones warms the shader cache and the page cache.
#include "bench/startup_timing.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {
constexpr int kRuns = 7;
constexpr int kPatienceMs = 60000;

// Step names in the order they came, each with its milliseconds from launch.
using Steps = std::vector<std::pair<std::string, double>>;

long long WallMicroseconds() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return std::chrono::duration_cast<std::chrono::microseconds>(now).count();
}

// Reads "vorn: startup STEP MICROSECONDS" lines from fd until the step "swap".
Steps ReadSteps(int fd, long long launch) {
  Steps steps;
  std::string pending;
  char buffer[512];
  pollfd waiting{fd, POLLIN, 0};
  while (poll(&waiting, 1, kPatienceMs) > 0) {
    const ssize_t length = read(fd, buffer, sizeof buffer);
    if (length <= 0) break;
    pending.append(buffer, static_cast<std::size_t>(length));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos;
         pending.erase(0, end + 1)) {
      char step[64];
      long long micros = 0;
      if (std::sscanf(pending.c_str(), "vorn: startup %63s %lld", step, &micros) != 2) continue;
      steps.emplace_back(step, static_cast<double>(micros - launch) / 1e3);
      if (std::strcmp(step, "swap") == 0) return steps;
    }
  }
  return steps;
}

Steps RunOnce(const char* vorn, const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>(vorn)};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  int trace[2];
  if (pipe(trace) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, trace[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, trace[0]);
  pid_t child = 0;
  const long long launch = WallMicroseconds();
  const int spawned = posix_spawn(&child, vorn, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(trace[1]);
  Steps steps;
  if (spawned == 0) {
    steps = ReadSteps(trace[0], launch);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
  }
  close(trace[0]);
  return steps;
}

void Report(const char* title, const char* vorn, const std::vector<std::string>& arguments) {
  RunOnce(vorn, arguments);
  std::vector<Steps> runs;
  for (int run = 0; run < kRuns; ++run) runs.push_back(RunOnce(vorn, arguments));
  std::printf("%s, ms from launch, median (min-max) of %d:\n", title, kRuns);
  if (runs.front().empty()) std::printf("  no start-up steps seen\n");
  for (const auto& seen : runs.front()) {
    const std::string& name = seen.first;
    std::vector<double> times;
    for (const Steps& run : runs) {
      for (const auto& [step, milliseconds] : run) {
        if (step == name) times.push_back(milliseconds);
      }
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-12s %7.1f  (%.1f-%.1f)\n", name.c_str(), times[times.size() / 2],
                times.front(), times.back());
  }
}
}  // namespace

void ReportStartup(Display* display, const char* vorn) {
  setenv("VORN_STARTUP_TRACE", "1", 1);
  const int screen = DefaultScreen(display);
  char title[96];
  std::snprintf(title, sizeof title, "Start-up of vorn /s at %dx%d, High",
                DisplayWidth(display, screen), DisplayHeight(display, screen));
  Report(title, vorn, {"/s", "--detail", "high"});

  const Window host = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 152, 112, 0,
                                          0, BlackPixel(display, screen));
  XMapWindow(display, host);
  XSync(display, False);
  Report("Start-up of vorn /p in a 152x112 window, High", vorn,
         {"/p", std::to_string(host), "--detail", "high"});
  XDestroyWindow(display, host);
  XSync(display, False);
  unsetenv("VORN_STARTUP_TRACE");
}
