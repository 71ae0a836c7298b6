#include "shell/web/page_input.h"

#include <emscripten/html5.h>

#include <cstring>

#include "shell/carry_out.h"
#include "shell/closing_rules.h"

namespace {
// The page follows the full-screen saver's rules; a close request leaves full-screen.
constexpr SaverMode kPageMode = SaverMode::kFullScreen;
constexpr unsigned short kMiddleButton = 1;
constexpr unsigned short kRightButton = 2;

ScreenSaver* pageSaver = nullptr;
InputState input;
bool movedSincePress = false;

void Respond(const InputResponse& response) {
  CarryOut(*pageSaver, response);
  // The page has no close message to judge: leaving full-screen was the whole answer.
  pageSaver->closeRequested = 0;
}

EM_BOOL OnKey(int, const EmscriptenKeyboardEvent* event, void*) {
  // Both Enter keys share the key name; the keypad's differs only in its code.
  const bool isEnter = std::strcmp(event->key, "Enter") == 0;
  Respond(OnKeyPress(kPageMode, *pageSaver, isEnter, event->repeat != 0));
  return isEnter;
}

MouseButton ButtonOf(const EmscriptenMouseEvent* event) {
  return event->button == kRightButton ? MouseButton::kRight : MouseButton::kLeft;
}

EM_BOOL OnMouseDown(int, const EmscriptenMouseEvent* event, void*) {
  if (event->button == kMiddleButton) {
    Respond(OnKeyPress(kPageMode, *pageSaver, false, false));
    return EM_TRUE;
  }
  OnButtonPress(input, ButtonOf(event), CursorPoint{event->targetX, event->targetY});
  movedSincePress = false;
  return EM_TRUE;
}

EM_BOOL OnMouseUp(int, const EmscriptenMouseEvent* event, void*) {
  if (event->button == kMiddleButton) return EM_TRUE;
  OnButtonRelease(input, ButtonOf(event));
  // A click that dragged nothing is, in full-screen, the user asking to leave.
  if (!movedSincePress) Respond(OnKeyPress(kPageMode, *pageSaver, false, false));
  return EM_TRUE;
}

EM_BOOL OnMouseMove(int, const EmscriptenMouseEvent* event, void*) {
  const CursorPoint cursor{event->targetX, event->targetY};
  if (cursor.x != input.lastCursor.x || cursor.y != input.lastCursor.y) movedSincePress = true;
  Respond(OnMouseMove(kPageMode, *pageSaver, input, cursor));
  return EM_TRUE;
}
}  // namespace

void ListenToPageInput(ScreenSaver& saver) {
  pageSaver = &saver;
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnKey);
  emscripten_set_mousedown_callback("#canvas", nullptr, EM_FALSE, OnMouseDown);
  emscripten_set_mouseup_callback("#canvas", nullptr, EM_FALSE, OnMouseUp);
  emscripten_set_mousemove_callback("#canvas", nullptr, EM_FALSE, OnMouseMove);
}
