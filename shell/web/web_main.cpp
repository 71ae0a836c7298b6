// The page's program: the address and the stored settings, the WebGL context
// with the fixed-function layer on it, and then either a still picture or the
// live scene, one frame per animation frame of the browser (which pauses them
// while the tab is hidden).
#include <GL/gl.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <optional>
#include <string>

#include "scene/random.h"
#include "scene/scene_state.h"
#include "shell/saver_run.h"
#include "shell/web/canvas_fit.h"
#include "shell/web/fixed_function/fixed_function.h"
#include "shell/web/local_settings_store.h"
#include "shell/web/page_address.h"
#include "shell/web/page_bridge.h"
#include "shell/web/page_input.h"
#include "shell/web/page_still.h"
#include "shell/web/web_platform.h"

namespace {
constexpr const char* kNoWebGL =
    "This page needs WebGL, which this browser does not offer or has switched off.";
constexpr const char* kContextLost =
    "The browser took WebGL away from this page. Reload the page to see vorn again.";

// The page has no window of its own to close.
class PageActions : public SaverWindowActions {
 public:
  void PostCloseMessage() override;
  void RefreshCursor() override {}
  bool VerifyPassword() override { return true; }
};

// The canvas, the page's one surface, at its size on the page in device pixels.
class Canvas final : public RunSurfaces, public RunSurface {
 public:
  // The view follows the canvas's size on the page, as far as the browser's
  // drawing buffer allows.
  void ReadySurfaces(std::vector<RunSurface*>& ready) override {
    int width = 0;
    int height = 0;
    CanvasPixelSize(width, height);
    if (width <= 0 || height <= 0) return;
    if (width != pageWidth_ || height != pageHeight_) {
      pageWidth_ = width;
      pageHeight_ = height;
      FitCanvas(width, height);
      width_ = width;
      height_ = height;
    }
    ready.push_back(this);
  }
  bool MakeCurrent() override { return true; }
  int width() const override { return width_; }
  int height() const override { return height_; }
  // The browser shows the frame once the animation frame's callback returns.
  void Swap() override {
    if (++framesDrawn_ == 1) MarkPageState("running");
  }
  long framesDrawn() const { return framesDrawn_; }

 private:
  int pageWidth_ = 0;
  int pageHeight_ = 0;
  int width_ = 0;
  int height_ = 0;
  long framesDrawn_ = 0;
};

PageActions pageActions;
ScreenSaver saver(pageActions);

// There is no close message to judge: leaving full-screen is the whole answer.
void PageActions::PostCloseMessage() {
  LeaveFullscreen();
  saver.closeRequested = 0;
}
WebPlatform platform;
Canvas canvas;
// The live scene, once the page runs it.
std::optional<SaverRun> liveRun;

EMSCRIPTEN_WEBGL_CONTEXT_HANDLE CreateContext(bool keepPicture) {
  EmscriptenWebGLContextAttributes attributes;
  emscripten_webgl_init_context_attributes(&attributes);
  // An opaque picture with depth and stencil and no smoothing, as a window gets.
  attributes.alpha = EM_FALSE;
  attributes.stencil = EM_TRUE;
  attributes.antialias = EM_FALSE;
  attributes.preserveDrawingBuffer = keepPicture ? EM_TRUE : EM_FALSE;
  attributes.majorVersion = 1;
  const auto context = emscripten_webgl_create_context("#canvas", &attributes);
  if (context <= 0 || emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
    return 0;
  }
  return context;
}

void DrawLiveFrame() { liveRun->Step(canvas, SaverRun::Clock::now()); }

EM_BOOL OnContextLost(int, const void*, void*) {
  emscripten_cancel_main_loop();
  ShowProblem(kContextLost);
  return EM_TRUE;
}

// Keeps one changed setting in local storage, and only that one: a value the
// address gave for this visit stays out of it.
void StoreSetting(std::int32_t ScreenSaver::*field, std::int32_t value) {
  LocalSettingsStore store;
  PageActions noActions;
  ScreenSaver stored(noActions);
  stored.LoadSettings(store);
  stored.*field = value;
  stored.SaveSettings(store);
  saver.*field = value;
  if (liveRun) liveRun->SettingsChanged();
}
}  // namespace

extern "C" {
// The page's controls: each change is kept and takes effect at once.
EMSCRIPTEN_KEEPALIVE void vorn_set_mouse_control(int on) {
  StoreSetting(&ScreenSaver::mouseControl, on != 0 ? 1 : 0);
}

EMSCRIPTEN_KEEPALIVE void vorn_set_detail(int detail) {
  StoreSetting(&ScreenSaver::detail, detail);
}

// For measuring: the live frames drawn since the page started.
EMSCRIPTEN_KEEPALIVE long vorn_frames_drawn() { return canvas.framesDrawn(); }
}

int main() {
  const PageAddress address =
      ParsePageAddress(emscripten_run_script_string("location.search.slice(1)"));
  for (const std::string& warning : address.warnings) WarnOnConsole(warning.c_str());

  LocalSettingsStore store;
  saver.LoadSettings(store);
  if (address.detail) saver.detail = *address.detail;
  if (address.mouseControl) saver.mouseControl = *address.mouseControl;
  ShowSettings(saver.mouseControl, saver.detail);

  if (address.still) ShowStillPicture(address.liveQuery.c_str());
  if (CreateContext(address.still.has_value()) == 0 || !StartFixedFunction()) {
    ShowProblem(kNoWebGL);
    return 0;
  }
  emscripten_set_webglcontextlost_callback("#canvas", nullptr, EM_FALSE, OnContextLost);
  if (address.still) {
    StartStill(*address.still, platform);
    return 0;
  }
  InstallScenePlatform(platform);
  SeedRandom(PageSeed());
  fullSizeTextures = 1;
  // The page follows the full-screen saver's rules; a close request leaves full-screen.
  liveRun.emplace(SaverMode::kFullScreen, saver, RunPacing{});
  ListenToPageInput(*liveRun);
  emscripten_set_main_loop(DrawLiveFrame, 0, EM_FALSE);
  return 0;
}
