// Whether anyone can see the window drawn on: it and every window above it
// mapped, and not fully covered by others. Nobody needs frames of a minimised
// window, or of a preview whose host is hidden.
#pragma once

#include <X11/Xlib.h>

class WindowVisibility {
 public:
  // Adds the events it needs to those already selected on the window and its parent.
  WindowVisibility(Display* display, Window window);
  // Takes note of any event; only those that change the visibility count.
  void Notice(const XEvent& event);
  bool shown() const { return viewable_ && !covered_; }

 private:
  void ReadViewable();

  Display* display_;
  Window window_;
  Window parent_ = 0;
  bool viewable_ = false;
  bool covered_ = false;
};
