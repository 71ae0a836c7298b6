#include "shell/web/page_input.h"

#include <emscripten/html5.h>

#include <cstring>

namespace {
constexpr unsigned short kMiddleButton = 1;
constexpr unsigned short kRightButton = 2;

SaverRun* pageRun = nullptr;
CursorPoint lastPoint;
bool movedSincePress = false;

EM_BOOL OnKey(int, const EmscriptenKeyboardEvent* event, void*) {
  // Both Enter keys share the key name; the keypad's differs only in its code.
  const bool isEnter = std::strcmp(event->key, "Enter") == 0;
  pageRun->KeyPressed(isEnter, event->repeat != 0);
  return isEnter;
}

MouseButton ButtonOf(const EmscriptenMouseEvent* event) {
  return event->button == kRightButton ? MouseButton::kRight : MouseButton::kLeft;
}

EM_BOOL OnMouseDown(int, const EmscriptenMouseEvent* event, void*) {
  if (event->button == kMiddleButton) {
    pageRun->MiddleButtonPressed();
    return EM_TRUE;
  }
  lastPoint = CursorPoint{event->targetX, event->targetY};
  pageRun->ButtonPressed(ButtonOf(event), lastPoint);
  movedSincePress = false;
  return EM_TRUE;
}

EM_BOOL OnMouseUp(int, const EmscriptenMouseEvent* event, void*) {
  if (event->button == kMiddleButton) return EM_TRUE;
  pageRun->ButtonReleased(ButtonOf(event));
  // A click that dragged nothing is, in full-screen, the user asking to leave.
  if (!movedSincePress) pageRun->KeyPressed(false, false);
  return EM_TRUE;
}

EM_BOOL OnMouseMove(int, const EmscriptenMouseEvent* event, void*) {
  const CursorPoint cursor{event->targetX, event->targetY};
  if (cursor.x != lastPoint.x || cursor.y != lastPoint.y) movedSincePress = true;
  lastPoint = cursor;
  pageRun->MouseMoved(cursor);
  return EM_TRUE;
}
}  // namespace

void ListenToPageInput(SaverRun& run) {
  pageRun = &run;
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnKey);
  emscripten_set_mousedown_callback("#canvas", nullptr, EM_FALSE, OnMouseDown);
  emscripten_set_mouseup_callback("#canvas", nullptr, EM_FALSE, OnMouseUp);
  emscripten_set_mousemove_callback("#canvas", nullptr, EM_FALSE, OnMouseMove);
}
