// The saver window's X events, translated into the saver run's input.
#pragma once

#include <X11/Xlib.h>

#include <bitset>

#include "shell/saver_run.h"

class SaverInput {
 public:
  // deleteWindow is the window manager's close request, 0 where there is none.
  SaverInput(SaverRun& run, Atom closeMessage, Atom deleteWindow)
      : run_(run), closeMessage_(closeMessage), deleteWindow_(deleteWindow) {}

  // False once the close message has ended the run.
  bool Handle(XEvent& event);

 private:
  SaverRun& run_;
  Atom closeMessage_;
  Atom deleteWindow_;
  std::bitset<256> keysDown_;  // by key code, pressed and not yet released
};
