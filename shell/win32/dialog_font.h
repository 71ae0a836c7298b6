// A stand-in for the dialog's font where the named face is not installed.
#pragma once

#include <windows.h>

// When the face that the dialog template names is missing, the system draws
// with whatever it substitutes, whose letters may not fit the controls. This
// gives every control a stand-in face (or the substitute) at the named face's
// line height instead.
void UseStandInFontIfMissing(HWND dialog);
// Frees the stand-in, if one was made; call when the dialog goes.
void ReleaseStandInFont();
