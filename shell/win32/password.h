// The Windows 9x password services, loaded by name when needed. Where they do
// not exist (Windows NT and later, Wine) the saver closes without a prompt and
// the change request does nothing.
#pragma once

#include <windows.h>

// True when closing may go ahead: the password was given, or there is no check.
bool VerifyPassword(HWND window);
void ChangePassword(HWND parent);
