#include "shell/web/page_bridge.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cmath>

namespace {
EM_JS(void, CallShowProblem, (const char* text), { vornPage.showProblem(UTF8ToString(text)); });
EM_JS(void, CallShowSettings, (int mouseControl, int detail),
      { vornPage.showSettings(mouseControl, detail); });
EM_JS(void, CallShowStill, (const char* liveQuery),
      { vornPage.showStill(UTF8ToString(liveQuery)); });
EM_JS(void, CallMarkState, (const char* state),
      { document.documentElement.dataset.vorn = UTF8ToString(state); });
EM_JS(void, CallWarn, (const char* text), { console.warn("vorn: " + UTF8ToString(text)); });
// exitFullscreen answers with a promise that fails when the page has already left.
EM_JS(void, CallLeaveFullscreen, (), {
  if (document.fullscreenElement) document.exitFullscreen().catch(function(){});
});
}  // namespace

void ShowProblem(const char* text) { CallShowProblem(text); }
void ShowSettings(std::int32_t mouseControl, std::int32_t detail) {
  CallShowSettings(mouseControl, detail);
}
void ShowStillPicture(const char* liveQuery) { CallShowStill(liveQuery); }
void MarkPageState(const char* state) { CallMarkState(state); }
void WarnOnConsole(const char* text) { CallWarn(text); }
void LeaveFullscreen() { CallLeaveFullscreen(); }

void CanvasPixelSize(int& width, int& height) {
  double cssWidth = 0.0;
  double cssHeight = 0.0;
  emscripten_get_element_css_size("#canvas", &cssWidth, &cssHeight);
  const double ratio = emscripten_get_device_pixel_ratio();
  width = static_cast<int>(std::lround(cssWidth * ratio));
  height = static_cast<int>(std::lround(cssHeight * ratio));
}
