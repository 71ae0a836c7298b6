// Taking the keyboard and the pointer for full-screen saving, which must not
// cover a screen whose input goes to someone else.
#pragma once

#include <X11/Xlib.h>

// Grabs both for window (which must be viewable), waiting a moment for
// another program that holds them to let go. False, holding neither, when it
// does not.
bool TakeKeyboardAndPointer(Display* display, Window window);
