// Each run starts vorn with VORN_STARTUP_TRACE set, reads the wall clock just
// before posix_spawn, and reads vorn's timestamps from its standard error
// until the first swap; then stops it with SIGTERM, as hosts do on Linux.
// One run before the measured ones warms the shader cache and the page cache.
// Where a Wayland compositor is at hand (scripts/with-sway), the full-screen
// runs alternate between X11 and Wayland, so that whatever else the machine
// does weighs on both alike.
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
constexpr int kRuns = 5;
constexpr int kPatienceMs = 60000;

// Step names in the order they came, each with its milliseconds from launch.
using Steps = std::vector<std::pair<std::string, double>>;

// Where vorn runs: the display server it is told of, and its runs.
struct Host {
  const char* name;
  std::vector<std::string> environment;  // NAME=VALUE, before the bench's own
  std::vector<Steps> runs;
};

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

std::vector<char*> Pointers(const std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (const std::string& string : strings) pointers.push_back(const_cast<char*>(string.c_str()));
  return pointers;
}

Steps RunOnce(const char* vorn, const std::vector<std::string>& arguments,
              const std::vector<std::string>& environment) {
  std::vector<char*> argv = Pointers(arguments);
  argv.insert(argv.begin(), const_cast<char*>(vorn));
  argv.push_back(nullptr);
  // getenv takes the first of a name, so the host's own come first.
  std::vector<char*> envp = Pointers(environment);
  for (char** variable = environ; *variable != nullptr; ++variable) envp.push_back(*variable);
  envp.push_back(nullptr);
  int trace[2];
  if (pipe(trace) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, trace[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, trace[0]);
  pid_t child = 0;
  const long long launch = WallMicroseconds();
  const int spawned = posix_spawn(&child, vorn, &actions, nullptr, argv.data(), envp.data());
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

// Runs vorn once on each host to warm up, then kRuns times on each in turn.
void Measure(const char* vorn, const std::vector<std::string>& arguments,
             std::vector<Host>& hosts) {
  for (Host& host : hosts) RunOnce(vorn, arguments, host.environment);
  for (int run = 0; run < kRuns; ++run) {
    for (Host& host : hosts) host.runs.push_back(RunOnce(vorn, arguments, host.environment));
  }
}

// Median, least and greatest milliseconds of the step over the runs; none
// when no run reached it.
std::vector<double> Spread(const std::vector<Steps>& runs, const std::string& name) {
  std::vector<double> times;
  for (const Steps& run : runs) {
    for (const auto& [step, milliseconds] : run) {
      if (step == name) times.push_back(milliseconds);
    }
  }
  if (times.empty()) return {};
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.front(), times.back()};
}

// Every step any host's first run reached, each after the step it follows there.
std::vector<std::string> StepNames(const std::vector<Host>& hosts) {
  std::vector<std::string> names;
  for (const Host& host : hosts) {
    if (host.runs.empty()) continue;
    auto at = names.begin();
    for (const auto& seen : host.runs.front()) {
      const auto known = std::find(names.begin(), names.end(), seen.first);
      at = known != names.end() ? known + 1 : names.insert(at, seen.first) + 1;
    }
  }
  return names;
}

void Report(const char* title, const std::vector<Host>& hosts) {
  std::printf("%s, ms from launch, median (min-max) of %d:\n  %-12s", title, kRuns, "step");
  for (const Host& host : hosts) std::printf(" %-24s", host.name);
  std::printf("\n");
  for (const std::string& name : StepNames(hosts)) {
    std::printf("  %-12s", name.c_str());
    for (const Host& host : hosts) {
      const std::vector<double> spread = Spread(host.runs, name);
      char cell[64] = "      -";
      if (!spread.empty()) {
        std::snprintf(cell, sizeof cell, "%7.1f  (%.1f-%.1f)", spread[0], spread[1], spread[2]);
      }
      std::printf(" %-24s", cell);
    }
    std::printf("\n");
  }
  if (StepNames(hosts).empty()) std::printf("  no start-up steps seen\n");
}

// The median first swap on the second host over that on the first.
void ReportFirstFrameRatio(const std::vector<Host>& hosts) {
  const std::vector<double> first = Spread(hosts[0].runs, "swap");
  const std::vector<double> second = Spread(hosts[1].runs, "swap");
  if (first.empty() || second.empty()) return;
  std::printf("  first frame on %s / on %s: %.2f\n", hosts[1].name, hosts[0].name,
              second[0] / first[0]);
}

// The full-screen start-up on X11 and, where there is one, on the Wayland
// compositor: once as a user sees it, and once with Mesa's shader cache off,
// as on a first start or for a user with no cache folder.
void ReportFullScreen(Display* display, const char* vorn) {
  const int screen = DefaultScreen(display);
  char title[160];
  std::snprintf(title, sizeof title, "Start-up of vorn /s at %dx%d, High",
                DisplayWidth(display, screen), DisplayHeight(display, screen));
  const char* wayland = std::getenv("VORN_BENCH_WAYLAND_DISPLAY");
  const std::vector<std::string> arguments{"/s", "--detail", "high"};
  for (const bool cached : {true, false}) {
    std::vector<Host> hosts{{"X11", {}, {}}};
    if (wayland != nullptr) {
      hosts.push_back({"Wayland", {std::string("WAYLAND_DISPLAY=") + wayland}, {}});
    }
    for (Host& host : hosts) {
      if (!cached) host.environment.push_back("MESA_SHADER_CACHE_DISABLE=true");
    }
    Measure(vorn, arguments, hosts);
    Report(cached ? title : "The same with Mesa's shader cache off", hosts);
    if (hosts.size() == 2) ReportFirstFrameRatio(hosts);
  }
}
}  // namespace

void ReportStartup(Display* display, const char* vorn) {
  setenv("VORN_STARTUP_TRACE", "1", 1);
  ReportFullScreen(display, vorn);

  const int screen = DefaultScreen(display);
  const Window host = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 152, 112, 0,
                                          0, BlackPixel(display, screen));
  XMapWindow(display, host);
  XSync(display, False);
  std::vector<Host> hosts{{"X11", {}, {}}};
  Measure(vorn, {"/p", std::to_string(host), "--detail", "high"}, hosts);
  Report("Start-up of vorn /p in a 152x112 window, High", hosts);
  XDestroyWindow(display, host);
  XSync(display, False);
  unsetenv("VORN_STARTUP_TRACE");
}
