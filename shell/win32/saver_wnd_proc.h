// The saver window's procedure: turns window messages into the shared closing
// rules and carries out what they decide.
#pragma once

#include <windows.h>

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
