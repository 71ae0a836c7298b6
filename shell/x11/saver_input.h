// The saver window's events, translated into the shared closing rules, and the
// rules' answers carried out on the saver and the scene.
#pragma once

#include <X11/Xlib.h>

#include <bitset>

#include "shell/closing_rules.h"
#include "shell/saver_mode.h"
#include "shell/screen_saver.h"

class SaverInput {
 public:
  // deleteWindow is the window manager's close request, 0 where there is none.
  SaverInput(Display* display, SaverMode mode, ScreenSaver& saver, Atom closeMessage,
             Atom deleteWindow)
      : display_(display),
        mode_(mode),
        saver_(saver),
        closeMessage_(closeMessage),
        deleteWindow_(deleteWindow) {}

  // False once the close message has been judged to end the run.
  bool Handle(XEvent& event);

 private:
  bool JudgeCloseMessage();

  Display* display_;
  SaverMode mode_;
  ScreenSaver& saver_;
  Atom closeMessage_;
  Atom deleteWindow_;
  InputState input_;
  std::bitset<256> keysDown_;  // by key code, pressed and not yet released
};
