// The configuration dialog: the stored settings shown on its controls, read
// back on OK, and the two buttons that open the maker's addresses.
#include "shell/win32/config_dialog.h"

#include <shellapi.h>

#include "resources/credits.h"
#include "resources/resource.h"
#include "shell/config_choices.h"
#include "shell/win32/dialog_font.h"
#include "shell/win32/registry_store.h"
#include "shell/win32/saver_process.h"

namespace {
constexpr int kDetailControls[] = {IDC_DETAIL_LOW, IDC_DETAIL_MIDDLE, IDC_DETAIL_HIGH};
// Check box states by CheckState: a stored "Rotate" other than 0 or 1 shows grey.
constexpr UINT kCheckStates[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};

constexpr const char* kMailLink = "mailto:" VORN_AUTHOR " <" VORN_EMAIL ">";

void ShowChoices(HWND dialog) {
  const ShownSettings shown = ShowSettings(*screenSaver);
  CheckDlgButton(dialog, IDC_MOUSE_CONTROL, kCheckStates[static_cast<int>(shown.mouseControl)]);
  if (shown.detail >= 0) CheckDlgButton(dialog, kDetailControls[shown.detail], BST_CHECKED);
}

void StoreSettings(HWND dialog) {
  int detail = -1;
  for (int button = 2; button >= 0; --button) {
    if (IsDlgButtonChecked(dialog, kDetailControls[button]) == BST_CHECKED) detail = button;
  }
  StoreChoices(*screenSaver, IsDlgButtonChecked(dialog, IDC_MOUSE_CONTROL) == BST_CHECKED, detail);
  RegistryStore ownStore(kOwnSettingsKey);
  screenSaver->SaveSettings(ownStore);
}

// Run by hand, the dialog has no owner to be placed against, and would open
// in the screen's corner; under an owner it keeps its place.
void CentreIfUnowned(HWND dialog) {
  if (GetWindow(dialog, GW_OWNER) != nullptr) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  RECT rect{};
  GetWindowRect(dialog, &rect);
  const RECT& work = monitor.rcWork;
  const int left = (work.left + work.right - (rect.right - rect.left)) / 2;
  const int top = (work.top + work.bottom - (rect.bottom - rect.top)) / 2;
  SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Open(HWND dialog, const char* address) {
  ShellExecuteA(dialog, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}
}  // namespace

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    UseStandInFontIfMissing(dialog);
    ShowChoices(dialog);
    CentreIfUnowned(dialog);
    return TRUE;
  }
  if (message == WM_DESTROY) {
    ReleaseStandInFont();
    return FALSE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      StoreSettings(dialog);
      EndDialog(dialog, IDOK);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    case IDC_VISIT_HOMEPAGE:
      Open(dialog, VORN_HOMEPAGE);
      return FALSE;
    case IDC_SEND_EMAIL:
      Open(dialog, kMailLink);
      return FALSE;
    default:
      return FALSE;
  }
}
