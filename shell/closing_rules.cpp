// The closing rules: which input requests closing, when a close message is
// carried out, and how drags turn into view changes.
#include "shell/closing_rules.h"

#include <cstdlib>

namespace {
// A mouse jittering at most this far from where it was first seen does not
// wake the saver. Measured from that first place, not per event: a real hand
// moves the pointer in many steps of a few pixels each.
constexpr int kMoveTolerance = 5;
constexpr std::uint32_t kMillisecondsPerSecond = 1000;
}  // namespace

bool IsSaving(SaverMode mode, const ScreenSaver& saver) {
  return mode == SaverMode::kFullScreen && saver.checkingPassword == 0;
}

InputResponse OnKeyPress(SaverMode mode, const ScreenSaver& saver, bool isEnter, bool isRepeat) {
  InputResponse response;
  if (isEnter) {
    // A held Enter would otherwise flash the whole screen between the looks
    // at the repeat rate, a flicker that can trigger seizures.
    response.toggleDaylight = !isRepeat;
  } else {
    response.requestClose = IsSaving(mode, saver);
  }
  return response;
}

InputResponse OnMiddleButton(SaverMode mode, const ScreenSaver& saver) {
  return OnKeyPress(mode, saver, false, false);
}

InputResponse OnActivation(SaverMode mode, const ScreenSaver& saver, bool active) {
  InputResponse response;
  response.requestClose = !active && IsSaving(mode, saver);
  return response;
}

InputResponse OnMouseMove(SaverMode mode, const ScreenSaver& saver, InputState& input,
                          CursorPoint cursor) {
  InputResponse response;
  if (!IsSaving(mode, saver)) return response;
  const int dx = cursor.x - input.lastCursor.x;
  const int dy = cursor.y - input.lastCursor.y;
  if (saver.mouseControl == 0) {
    // The first move after start reports wherever the cursor happened to be.
    if (input.mouseMoveCount == 0) input.firstCursor = cursor;
    ++input.mouseMoveCount;
    response.requestClose = std::abs(cursor.x - input.firstCursor.x) > kMoveTolerance ||
                            std::abs(cursor.y - input.firstCursor.y) > kMoveTolerance;
  }
  if (input.leftDrag != 0) {
    response.viewChange = ViewChange::kRotate;
  } else if (input.rightDrag != 0) {
    response.viewChange = ViewChange::kZoom;
  }
  response.dx = dx;
  response.dy = dy;
  input.lastCursor = cursor;
  return response;
}

void RebaseCursor(InputState& input, CursorPoint cursor) {
  input.firstCursor.x += cursor.x - input.lastCursor.x;
  input.firstCursor.y += cursor.y - input.lastCursor.y;
  input.lastCursor = cursor;
}

void OnButtonPress(InputState& input, MouseButton button, CursorPoint cursor) {
  (button == MouseButton::kLeft ? input.leftDrag : input.rightDrag) = 1;
  input.lastCursor = cursor;
}

void OnButtonRelease(InputState& input, MouseButton button) {
  (button == MouseButton::kLeft ? input.leftDrag : input.rightDrag) = 0;
}

CloseOutcome OnCloseMessage(SaverMode mode, ScreenSaver& saver, std::uint32_t nowTick) {
  if (mode != SaverMode::kFullScreen) return CloseOutcome::kPassOn;
  // Close messages that no input asked for are ignored, and so is a second
  // one that arrives while the prompt is up.
  if (saver.closeRequested == 0 || saver.checkingPassword != 0) return CloseOutcome::kKeepRunning;
  // Unsigned arithmetic keeps the elapsed time right across a wrap of the tick counter.
  const std::uint32_t elapsed = nowTick - saver.startTick;
  const std::uint32_t grace =
      static_cast<std::uint32_t>(saver.passwordDelay) * kMillisecondsPerSecond;
  if (elapsed <= grace) return CloseOutcome::kDestroy;
  // After a refusal closeRequested stays set, so the next input asks again.
  return saver.CheckPassword() ? CloseOutcome::kDestroy : CloseOutcome::kKeepRunning;
}

bool SwallowsSystemCommand(SaverMode mode, SystemCommand command) {
  return mode == SaverMode::kFullScreen &&
         (command == SystemCommand::kScreenSave || command == SystemCommand::kClose);
}
