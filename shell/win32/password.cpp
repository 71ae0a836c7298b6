// The password services of Windows 9x, found by name at the moment they are needed.
#include "shell/win32/password.h"

namespace {
using VerifyScreenSavePwdFunction = BOOL(WINAPI*)(HWND);
using PwdChangePasswordFunction = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, void*);

// GetProcAddress returns a generic function pointer; the plain void() type
// in between tells the compiler that the real signature is known here.
template <typename Function>
Function FindFunction(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}
}  // namespace

bool VerifyPassword(HWND window) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT) return true;
  HMODULE library = LoadLibraryA("PASSWORD.CPL");
  if (library == nullptr) return true;
  const auto verify = FindFunction<VerifyScreenSavePwdFunction>(library, "VerifyScreenSavePwd");
  const bool accepted = verify == nullptr || verify(window) != FALSE;
  FreeLibrary(library);
  return accepted;
}

void ChangePassword(HWND parent) {
  HMODULE library = LoadLibraryA("MPR.DLL");
  if (library == nullptr) return;
  const auto change = FindFunction<PwdChangePasswordFunction>(library, "PwdChangePasswordA");
  if (change != nullptr) change("SCRSAVE", parent, 0, nullptr);
  FreeLibrary(library);
}
