// Closing's requests carried out on the saver window.
#include "shell/win32/window_actions.h"

#include "shell/win32/password.h"
#include "shell/win32/saver_process.h"

void WindowActions::PostCloseMessage() { PostMessageA(saverWindow, WM_CLOSE, 0, 0); }

// The window procedure picks the cursor from the password-check flag.
void WindowActions::RefreshCursor() { SendMessageA(saverWindow, WM_SETCURSOR, 0, 0); }

bool WindowActions::VerifyPassword() { return ::VerifyPassword(saverWindow); }
