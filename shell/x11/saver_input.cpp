// X events to the saver run's input calls.
#include "shell/x11/saver_input.h"

#include <X11/keysym.h>

#include "shell/linux/linux_platform.h"

namespace {
bool IsEnter(XKeyEvent& key) {
  const KeySym symbol = XLookupKeysym(&key, 0);
  return symbol == XK_Return || symbol == XK_KP_Enter;
}

// A change of the keyboard focus that someone made, rather than one that a
// keyboard grab or the pointer's wandering implies.
bool IsFocusChange(const XFocusChangeEvent& focus) {
  return (focus.mode == NotifyNormal || focus.mode == NotifyWhileGrabbed) &&
         focus.detail != NotifyInferior && focus.detail != NotifyPointer &&
         focus.detail != NotifyPointerRoot && focus.detail != NotifyDetailNone;
}

}  // namespace

bool SaverInput::Handle(XEvent& event) {
  switch (event.type) {
    case KeyPress: {
      // With detectable auto-repeat, a held key sends presses and no
      // releases: a press of a key that is still down is a repeat.
      const bool isRepeat = keysDown_.test(event.xkey.keycode);
      keysDown_.set(event.xkey.keycode);
      run_.KeyPressed(IsEnter(event.xkey), isRepeat);
      return true;
    }
    case KeyRelease:
      keysDown_.reset(event.xkey.keycode);
      return true;
    case ButtonPress: {
      const XButtonEvent& button = event.xbutton;
      const CursorPoint cursor{button.x_root, button.y_root};
      if (button.button == Button1) run_.ButtonPressed(MouseButton::kLeft, cursor);
      if (button.button == Button3) run_.ButtonPressed(MouseButton::kRight, cursor);
      if (button.button == Button2) run_.MiddleButtonPressed();
      return true;
    }
    case ButtonRelease:
      if (event.xbutton.button == Button1) run_.ButtonReleased(MouseButton::kLeft);
      if (event.xbutton.button == Button3) run_.ButtonReleased(MouseButton::kRight);
      return true;
    case MotionNotify:
      run_.MouseMoved({event.xmotion.x_root, event.xmotion.y_root});
      return true;
    case FocusIn:
    case FocusOut:
      if (IsFocusChange(event.xfocus)) {
        run_.ActivationChanged(event.type == FocusIn);
      }
      return true;
    case ClientMessage:
      if (event.xclient.message_type == closeMessage_) return !run_.CloseMessage(TickCount());
      if (deleteWindow_ != 0 && static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow_) {
        run_.CloseButtonPressed();
      }
      return true;
    default:
      return true;
  }
}
