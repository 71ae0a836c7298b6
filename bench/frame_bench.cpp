// Frame benchmark: renders the whole scene off-screen at a full-screen and a
// preview size, at each detail level, and compares the cost of DrawFrame with
// replaying the same frame's GL work from a display list recorded once. Also
// reports the real program's start-up step by step, heap allocations per
// frame and resident memory over many frames. A measurement, not a test.
//
// With --instructions CASE live|replay it draws only that case's frames, live or
// replayed, with callgrind's instrumentation switched on around them alone:
// scripts/bench-instructions runs each under callgrind, whose total then
// counts those frames in every thread, rasteriser threads included. Outside
// callgrind the switches do nothing.
#include <GL/gl.h>
#include <X11/Xlib.h>
#include <valgrind/callgrind.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/allocation_count.h"
#include "bench/startup_timing.h"
#include "scene/frame.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "shell/linux/linux_platform.h"
#include "shell/x11/glx_surface.h"

namespace {
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 7;
constexpr int kFramesPerRun = 60;
constexpr int kCountedFrames = 3;  // per case under callgrind: ratios repeat within 0.05 %
const char* const kDetailNames[] = {"Low", "Middle", "High"};

// The live platform with the counter held still, so that every measured frame
// shows the same pose as the recorded one.
class StillPlatform : public LinuxPlatform {
 public:
  std::uint32_t Milliseconds() override { return 12000; }
};

struct Size {
  int width;
  int height;
};

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Seconds per frame of one run of `draw`, each frame followed by glFinish.
template <typename Draw>
double TimeRun(Draw draw) {
  const auto begin = Clock::now();
  for (int frame = 0; frame < kFramesPerRun; ++frame) {
    draw();
    glFinish();
  }
  return Seconds(Clock::now() - begin) / kFramesPerRun;
}

// Frames of `draw` with callgrind's instrumentation on. Its requests to zero
// or dump counts reach only the calling thread, so one process measures one
// thing and callgrind's total is the answer.
template <typename Draw>
void CountInstructions(Draw draw) {
  CALLGRIND_START_INSTRUMENTATION;
  for (int frame = 0; frame < kCountedFrames; ++frame) {
    draw();
    glFinish();
  }
  CALLGRIND_STOP_INSTRUMENTATION;
}

void StartScene(const Size& size, int detail) {
  sceneState = SceneState{};
  detailLevel = detail;
  fullSizeTextures = 1;
  SeedRandom(1);
  SetupView(size.width, size.height);
}

double PerFrame(std::size_t count, int frames) { return static_cast<double>(count) / frames; }

enum class Mode { kWallClock, kCountLive, kCountReplay };

void MeasureCase(const Size& size, int detail, Mode mode) {
  char name[32];
  std::snprintf(name, sizeof name, "%dx%d %s", size.width, size.height, kDetailNames[detail]);
  StartScene(size, detail);
  DrawFrame();  // warms up the driver's code paths
  glFinish();

  AllocationCounts allocations;
  if (mode == Mode::kWallClock) {
    StartCountingAllocations();
    for (int frame = 0; frame < kFramesPerRun; ++frame) {
      DrawFrame();
      glFinish();
    }
    allocations = StopCountingAllocations();
  }

  // The same frame's GL work, without any per-frame CPU of ours or of freeglut.
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  DrawFrame();
  glEndList();
  const auto replay = [list] { glCallList(list); };
  replay();  // the replay's own driver paths
  glFinish();
  if (mode != Mode::kWallClock) {
    std::printf("%s\n", name);
    if (mode == Mode::kCountLive) CountInstructions(DrawFrame);
    if (mode == Mode::kCountReplay) CountInstructions(replay);
    glDeleteLists(list, 1);
    return;
  }
  // Runs of the two alternate, so that whatever else the machine does weighs on both alike.
  std::vector<double> liveRuns;
  std::vector<double> replayRuns;
  for (int run = 0; run < kRuns; ++run) {
    liveRuns.push_back(TimeRun(DrawFrame));
    replayRuns.push_back(TimeRun(replay));
  }
  glDeleteLists(list, 1);
  const double live = Median(liveRuns);
  const double replayed = Median(replayRuns);
  std::printf(
      "%-16s %7.1f fps  DrawFrame %6.3f ms  replay %6.3f ms  ratio %.3f  "
      "allocations/frame at malloc: ours %.2f, libraries %.1f; at new: ours %.2f, libraries %.1f\n",
      name, 1.0 / live, live * 1e3, replayed * 1e3, live / replayed,
      PerFrame(allocations.oursAtMalloc, kFramesPerRun),
      PerFrame(allocations.librariesAtMalloc, kFramesPerRun),
      PerFrame(allocations.oursAtNew, kFramesPerRun),
      PerFrame(allocations.librariesAtNew, kFramesPerRun));
}

constexpr Size kSizes[] = {{1920, 1080}, {152, 112}};
constexpr int kCases = 6;  // each size at each detail

void Measure(Display* display, int firstCase, int endCase, Mode mode) {
  for (int sizeIndex = 0; sizeIndex < 2; ++sizeIndex) {
    const Size& size = kSizes[sizeIndex];
    std::unique_ptr<GlxSurface> surface;
    for (int detail = 0; detail < 3; ++detail) {
      const int index = sizeIndex * 3 + detail;
      if (index < firstCase || index >= endCase) continue;
      if (!surface) surface = GlxSurface::ForPbuffer(display, size.width, size.height);
      if (!surface) std::exit(1);
      MeasureCase(size, detail, mode);
      std::fflush(stdout);
    }
  }
}

// Resident memory in MiB, from /proc/self/status.
double ResidentMiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    double kilobytes = 0;
    if (key == "VmRSS:" && status >> kilobytes) return kilobytes / 1024;
    status.ignore(4096, '\n');
  }
  return 0;
}

// Memory that grows with the frames drawn would show here, at a size that draws quickly.
void ReportResidentMemory(Display* display) {
  const Size size{152, 112};
  auto surface = GlxSurface::ForPbuffer(display, size.width, size.height);
  if (!surface) std::exit(1);
  StartScene(size, 2);
  std::printf("resident memory, 152x112 High, after 1 / 1,000 / 10,000 frames:");
  int drawn = 0;
  for (const int frames : {1, 1000, 10000}) {
    for (; drawn < frames; ++drawn) {
      DrawFrame();
      glFinish();
    }
    std::printf(" %s%.1f", frames == 1 ? "" : "/ ", ResidentMiB());
  }
  std::printf(" MiB\n");
}

// "--instructions CASE live|replay": the mode and the one case; else all cases by the clock.
bool ParseArguments(int argc, char** argv, Mode& mode, int& firstCase, int& endCase) {
  mode = Mode::kWallClock;
  firstCase = 0;
  endCase = kCases;
  if (argc == 1) return true;
  if (argc != 4 || std::strcmp(argv[1], "--instructions") != 0) return false;
  firstCase = std::atoi(argv[2]);
  endCase = firstCase + 1;
  const std::string kind = argv[3];
  mode = kind == "live" ? Mode::kCountLive : Mode::kCountReplay;
  return firstCase >= 0 && firstCase < kCases && (kind == "live" || kind == "replay");
}
}  // namespace

int main(int argc, char** argv) {
  Mode mode;
  int firstCase;
  int endCase;
  if (!ParseArguments(argc, argv, mode, firstCase, endCase)) {
    std::fputs("usage: vorn_bench [--instructions CASE live|replay], CASE 0 to 5\n", stderr);
    return 2;
  }
  const bool instructions = mode != Mode::kWallClock;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("vorn_bench: cannot open the X display\n", stderr);
    return 1;
  }
  if (!instructions) ReportStartup(display, VORN_PROGRAM);
  std::fflush(stdout);
  StillPlatform platform;
  InstallScenePlatform(platform);
  Measure(display, firstCase, endCase, mode);
  if (!instructions) ReportResidentMemory(display);
  XCloseDisplay(display);
  return 0;
}
