// Frame benchmark: renders the whole scene off-screen at a full-screen and a
// preview size, at each detail level, and compares the cost of DrawFrame with
// replaying the same frame's GL work from a display list recorded once. Also
// reports the time from start to the first frame and heap allocations per frame.
#include <GL/gl.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "scene/frame.h"
#include "scene/random.h"
#include "scene/scene_state.h"
#include "scene/shapes.h"
#include "shell/x11/glx_surface.h"
#include "shell/x11/linux_platform.h"

namespace {
using Clock = std::chrono::steady_clock;
const Clock::time_point kStart = Clock::now();

// Every allocation through operator new in this process (ours, the standard
// library's, freeglut's C++ if any); C allocations in the driver are not seen.
std::size_t allocations = 0;

constexpr int kRuns = 7;
constexpr int kFramesPerRun = 60;

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

void StartScene(const Size& size, int detail) {
  sceneState = SceneState{};
  detailLevel = detail;
  fullSizeTextures = 1;
  SeedRandom(1);
  SetupView(size.width, size.height);
}

void Measure(Display* display, ScenePlatform& platform, const Size& size) {
  auto surface = GlxSurface::ForPbuffer(display, size.width, size.height);
  if (!surface) std::exit(1);
  InstallScenePlatform(platform);
  const char* const names[] = {"Low", "Middle", "High"};
  for (int detail = 0; detail < 3; ++detail) {
    StartScene(size, detail);
    DrawFrame();  // warms up the driver's code paths
    glFinish();

    const std::size_t before = allocations;
    for (int frame = 0; frame < kFramesPerRun; ++frame) DrawFrame();
    const double allocationsPerFrame = static_cast<double>(allocations - before) / kFramesPerRun;

    // The same frame's GL work, without any per-frame CPU of ours or of freeglut.
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    DrawFrame();
    glEndList();
    // Runs of the two alternate, so that whatever else the machine does weighs on both alike.
    std::vector<double> liveRuns;
    std::vector<double> replayRuns;
    for (int run = 0; run < kRuns; ++run) {
      liveRuns.push_back(TimeRun(DrawFrame));
      replayRuns.push_back(TimeRun([list] { glCallList(list); }));
    }
    glDeleteLists(list, 1);
    const double live = Median(liveRuns);
    const double replay = Median(replayRuns);

    std::printf(
        "%4dx%-4d %-6s  %7.1f fps  DrawFrame %6.3f ms  replay %6.3f ms  ratio %.3f  "
        "allocations/frame %.2f\n",
        size.width, size.height, names[detail], 1.0 / live, live * 1e3, replay * 1e3, live / replay,
        allocationsPerFrame);
  }
}
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  std::abort();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("vorn_bench: cannot open the X display\n", stderr);
    return 1;
  }
  InitShapes();
  StillPlatform platform;
  {
    // Start-up as the saver does it: context, full-size textures, first frame.
    const Size screen{1920, 1080};
    auto surface = GlxSurface::ForPbuffer(display, screen.width, screen.height);
    if (!surface) return 1;
    InstallScenePlatform(platform);
    StartScene(screen, 2);
    DrawFrame();
    glFinish();
    std::printf("start to first frame (1920x1080, High, 256x256 textures): %.1f ms\n",
                Seconds(Clock::now() - kStart) * 1e3);
  }
  for (const Size& size : {Size{1920, 1080}, Size{152, 112}}) Measure(display, platform, size);
  XCloseDisplay(display);
  return 0;
}
