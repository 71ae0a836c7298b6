#include "shell/web/page_still.h"

#include <emscripten/html5.h>

#include <optional>
#include <string>

#include "shell/snapshot_frames.h"
#include "shell/web/canvas_fit.h"
#include "shell/web/page_bridge.h"
#include "shell/web/web_platform.h"

namespace {
// Frames are drawn back to back for about this long, then the browser gets
// its turn until the next animation frame.
constexpr double kSliceMilliseconds = 12.0;

SnapshotOptions stillOptions;
std::optional<SnapshotPlatform> stillPlatform;
int nextFrame = 0;

std::string SizeText(int width, int height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

// A canvas over the browser's limit would show only a corner of the picture.
void FitStill() {
  int width = stillOptions.width;
  int height = stillOptions.height;
  FitCanvas(width, height);
  if (width == stillOptions.width && height == stillOptions.height) return;
  WarnOnConsole(("size=" + SizeText(stillOptions.width, stillOptions.height) +
                 " is larger than this browser draws; drawing it at " + SizeText(width, height))
                    .c_str());
  stillOptions.width = width;
  stillOptions.height = height;
}

EM_BOOL DrawSlice(double, void*) {
  const double start = emscripten_get_now();
  do {
    DrawSnapshotFrame(*stillPlatform, nextFrame++);
  } while (nextFrame < stillOptions.frames && emscripten_get_now() - start < kSliceMilliseconds);
  if (nextFrame < stillOptions.frames) return EM_TRUE;
  MarkPageState("still");
  return EM_FALSE;
}
}  // namespace

void StartStill(const SnapshotOptions& options, ScenePlatform& live) {
  stillOptions = options;
  FitStill();
  stillPlatform.emplace(stillOptions, live);
  StartSnapshotFrames(stillOptions, *stillPlatform, PageSeed());
  MarkPageState("drawing");
  emscripten_request_animation_frame_loop(DrawSlice, nullptr);
}
