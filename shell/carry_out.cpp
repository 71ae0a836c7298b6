#include "shell/carry_out.h"

#include "scene/scene_state.h"
#include "scene/sky.h"

void CarryOut(ScreenSaver& saver, const InputResponse& response) {
  if (response.toggleDaylight) ToggleDaylight();
  if (response.requestClose) saver.RequestClose();
  switch (response.viewChange) {
    case ViewChange::kRotate:
      RotateView(response.dx, response.dy);
      break;
    case ViewChange::kZoom:
      ZoomView(response.dx, response.dy);
      break;
    case ViewChange::kNone:
      break;
  }
}
