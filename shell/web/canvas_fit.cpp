#include "shell/web/canvas_fit.h"

#include <emscripten/html5.h>

#include <algorithm>

namespace {
void DrawingBufferSize(int& width, int& height) {
  emscripten_webgl_get_drawing_buffer_size(emscripten_webgl_get_current_context(), &width, &height);
}
}  // namespace

void FitCanvas(int& width, int& height) {
  emscripten_set_canvas_element_size("#canvas", width, height);
  int bufferWidth = 0;
  int bufferHeight = 0;
  DrawingBufferSize(bufferWidth, bufferHeight);
  if (bufferWidth >= width && bufferHeight >= height) return;
  // Drawing at the asked size would leave all but the buffer's bottom-left part unseen.
  const double scale = std::min(static_cast<double>(bufferWidth) / width,
                                static_cast<double>(bufferHeight) / height);
  width = std::max(1, static_cast<int>(width * scale));
  height = std::max(1, static_cast<int>(height * scale));
  emscripten_set_canvas_element_size("#canvas", width, height);
}
