// Draws the layer probes through the web page's fixed-function layer, one at
// a time on request of the test page, and hands back each picture's pixels.
#include <GL/gl.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <vector>

#include "shell/web/fixed_function/fixed_function.h"
#include "tests/web/probes/layer_probes.h"

namespace {
std::vector<unsigned char> pixels(kProbeSize* kProbeSize * 4);
}

extern "C" {
// RGBA, top row first; null for a probe that does not exist.
EMSCRIPTEN_KEEPALIVE const unsigned char* vorn_draw_probe(int index) {
  if (index < 0 || index >= kLayerProbeCount) return nullptr;
  kLayerProbes[index].draw();
  std::vector<unsigned char> rows(pixels.size());
  glReadPixels(0, 0, kProbeSize, kProbeSize, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
  constexpr int kRow = kProbeSize * 4;
  for (int y = 0; y < kProbeSize; ++y) {
    std::copy(rows.begin() + (kProbeSize - 1 - y) * kRow, rows.begin() + (kProbeSize - y) * kRow,
              pixels.begin() + y * kRow);
  }
  return pixels.data();
}
}

int main() {
  emscripten_set_canvas_element_size("#canvas", kProbeSize, kProbeSize);
  EmscriptenWebGLContextAttributes attributes;
  emscripten_webgl_init_context_attributes(&attributes);
  attributes.alpha = EM_FALSE;
  attributes.stencil = EM_TRUE;
  attributes.antialias = EM_FALSE;
  const auto context = emscripten_webgl_create_context("#canvas", &attributes);
  const bool ready = context > 0 &&
                     emscripten_webgl_make_context_current(context) == EMSCRIPTEN_RESULT_SUCCESS &&
                     StartFixedFunction();
  emscripten_run_script(ready ? "document.documentElement.dataset.vorn = 'probes'"
                              : "document.documentElement.dataset.vorn = 'problem'");
  return 0;
}
