// Viewability is read from the server whenever the window or its parent is
// mapped or unmapped (an unmapped parent hides a mapped child, which hears
// nothing of it); being covered is told by the window's visibility events.
#include "shell/x11/window_visibility.h"

namespace {
void AddEvents(Display* display, Window window, long events) {
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0) return;
  XSelectInput(display, window, attributes.your_event_mask | events);
}
}  // namespace

WindowVisibility::WindowVisibility(Display* display, Window window)
    : display_(display), window_(window) {
  AddEvents(display, window, StructureNotifyMask | VisibilityChangeMask);
  Window root = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, window, &root, &parent_, &children, &count) != 0 && children != nullptr) {
    XFree(children);
  }
  // The root window is always mapped, and its events are the window manager's business.
  if (parent_ == root) parent_ = 0;
  if (parent_ != 0) AddEvents(display, parent_, StructureNotifyMask);
  ReadViewable();
}

void WindowVisibility::Notice(const XEvent& event) {
  switch (event.type) {
    case MapNotify:
    case UnmapNotify:
      if (event.xany.window == window_ || event.xany.window == parent_) ReadViewable();
      break;
    case VisibilityNotify:
      if (event.xvisibility.window == window_) {
        covered_ = event.xvisibility.state == VisibilityFullyObscured;
      }
      break;
    default:
      break;
  }
}

void WindowVisibility::ReadViewable() {
  XWindowAttributes attributes{};
  viewable_ = XGetWindowAttributes(display_, window_, &attributes) != 0 &&
              attributes.map_state == IsViewable;
}
