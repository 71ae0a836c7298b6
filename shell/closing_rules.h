// When input closes the saver, and what it does to the view. Each window
// event of a shell maps to one call here; the shell carries out the result
// (RequestClose, ToggleDaylight, RotateView or ZoomView) and does nothing else.
#pragma once

#include <cstdint>

#include "shell/saver_mode.h"
#include "shell/screen_saver.h"

struct CursorPoint {
  std::int32_t x = 0;  // screen coordinates
  std::int32_t y = 0;
};

struct InputState {
  std::uint8_t leftDrag = 0;
  std::uint8_t rightDrag = 0;
  CursorPoint lastCursor;           // at the last button press or handled mouse move
  std::int32_t mouseMoveCount = 0;  // moves handled while saving with mouse control off
  CursorPoint firstCursor;          // at the first of those moves: travel counts from here
};

enum class ViewChange { kNone, kRotate, kZoom };

struct InputResponse {
  bool requestClose = false;  // call RequestClose()
  bool toggleDaylight = false;
  ViewChange viewChange = ViewChange::kNone;
  int dx = 0;  // pixels since the last handled move (x right, y down)
  int dy = 0;
};

enum class MouseButton { kLeft, kRight };

// Full-screen with no password prompt up. This is also when the cursor is hidden.
bool IsSaving(SaverMode mode, const ScreenSaver& saver);

// A key press. A repeat is the keyboard's auto-repeat of a key held down since its press.
InputResponse OnKeyPress(SaverMode mode, const ScreenSaver& saver, bool isEnter, bool isRepeat);
// A middle-button press counts as a key other than Enter.
InputResponse OnMiddleButton(SaverMode mode, const ScreenSaver& saver);
// Activation changes, including the loss of it when the user switches away.
InputResponse OnActivation(SaverMode mode, const ScreenSaver& saver, bool active);
// Handled only while saving; otherwise nothing changes, not even lastCursor.
// With mouse control off, the first move only says where the cursor is; a
// later one closes once the cursor is more than 5 pixels from there.
InputResponse OnMouseMove(SaverMode mode, const ScreenSaver& saver, InputState& input,
                          CursorPoint cursor);
// The same cursor reported from another origin (a pointer entering another
// output's surface): the travel so far is kept, counted from the new origin.
void RebaseCursor(InputState& input, CursorPoint cursor);
void OnButtonPress(InputState& input, MouseButton button, CursorPoint cursor);
void OnButtonRelease(InputState& input, MouseButton button);

enum class CloseOutcome {
  kPassOn,       // not full-screen: close the usual way
  kKeepRunning,  // ignored, or the password was refused
  kDestroy,      // destroy the window now
};
// Judges a close message; runs the password prompt once the grace period is over.
CloseOutcome OnCloseMessage(SaverMode mode, ScreenSaver& saver, std::uint32_t nowTick);

enum class SystemCommand { kScreenSave, kClose, kOther };
// True when the command is to be dropped rather than carried out.
bool SwallowsSystemCommand(SaverMode mode, SystemCommand command);
