// The close message, the cursors and the password answer on X.
#include "shell/x11/window_actions.h"

#include <X11/cursorfont.h>

#include "shell/closing_rules.h"

namespace {
Cursor CreateBlankCursor(Display* display, Window window) {
  const char noBits[1] = {0};
  const Pixmap empty = XCreateBitmapFromData(display, window, noBits, 1, 1);
  XColor black{};
  const Cursor cursor = XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
  XFreePixmap(display, empty);
  return cursor;
}
}  // namespace

void WindowActions::Bind(Display* display, Window window, SaverMode mode,
                         const ScreenSaver& saver) {
  display_ = display;
  window_ = window;
  mode_ = mode;
  saver_ = &saver;
  closeMessage_ = XInternAtom(display, "_VORN_CLOSE", False);
  blankCursor_ = CreateBlankCursor(display, window);
  arrowCursor_ = XCreateFontCursor(display, XC_left_ptr);
}

void WindowActions::Unbind() {
  if (display_ == nullptr) return;
  XFreeCursor(display_, blankCursor_);
  XFreeCursor(display_, arrowCursor_);
  display_ = nullptr;
  window_ = 0;
  saver_ = nullptr;
}

void WindowActions::PostCloseMessage() {
  if (display_ == nullptr) return;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window_;
  event.xclient.message_type = closeMessage_;
  event.xclient.format = 32;
  // With no event mask the server hands the event to the window's creator: us.
  XSendEvent(display_, window_, False, NoEventMask, &event);
  XFlush(display_);
}

void WindowActions::RefreshCursor() {
  if (display_ == nullptr) return;
  XDefineCursor(display_, window_, IsSaving(mode_, *saver_) ? blankCursor_ : arrowCursor_);
  XFlush(display_);
}
