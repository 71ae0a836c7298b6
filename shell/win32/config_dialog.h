// The configuration dialog (resource IDD_CONFIG): shows the saver's own
// settings, stores them on OK, and opens the maker's home page or a mail to them.
#pragma once

#include <windows.h>

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
