// Test helper: reads the application manifest embedded in the program named
// by the argument the way Windows does before starting it, and prints one
// line per setting that matters to vorn:
//   dpiAware VALUE / dpiAwareness VALUE   (empty when missing)
//   supportedOS N                         (how many Windows versions it names)
//   comctl32 6|system                     (whose common controls it loads)
// Exits with 1 if the program carries no manifest.
#include <windows.h>

#include <cstdio>
#include <vector>

namespace {
constexpr const wchar_t* kSettings2005 = L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
constexpr const wchar_t* kSettings2016 = L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";

void PrintSetting(HANDLE context, const wchar_t* space, const wchar_t* name) {
  wchar_t value[128] = L"";
  SIZE_T written = 0;
  if (!QueryActCtxSettingsW(0, context, space, name, value, ARRAYSIZE(value), &written)) {
    value[0] = L'\0';
  }
  std::printf("%ls %ls\n", name, value);
}

// The manifest names nothing but Windows versions in its compatibility
// section. Only the count is read: the layout of the elements after it
// differs between Windows SDKs.
DWORD SupportedOsCount(HANDLE context) {
  SIZE_T needed = 0;
  QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext, nullptr, 0,
               &needed);
  std::vector<unsigned char> buffer(needed + sizeof(DWORD));
  if (!QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext, buffer.data(),
                    buffer.size(), &needed)) {
    return 0;
  }
  return reinterpret_cast<ACTIVATION_CONTEXT_COMPATIBILITY_INFORMATION*>(buffer.data())
      ->ElementCount;
}

// A dependency on Common Controls 6 redirects comctl32.dll to that assembly.
bool CommonControlsRedirected(HANDLE context) {
  ULONG_PTR cookie = 0;
  if (!ActivateActCtx(context, &cookie)) return false;
  ACTCTX_SECTION_KEYED_DATA data{};
  data.cbSize = sizeof(data);
  const bool redirected = FindActCtxSectionStringW(
      0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll", &data);
  DeactivateActCtx(0, cookie);
  return redirected;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: manifest_probe PROGRAM\n");
    return 2;
  }
  ACTCTXA request{};
  request.cbSize = sizeof(request);
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = argv[1];
  request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
  HANDLE context = CreateActCtxA(&request);
  if (context == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "manifest_probe: no manifest (error %lu)\n", GetLastError());
    return 1;
  }
  PrintSetting(context, kSettings2005, L"dpiAware");
  PrintSetting(context, kSettings2016, L"dpiAwareness");
  std::printf("supportedOS %lu\n", SupportedOsCount(context));
  std::printf("comctl32 %s\n", CommonControlsRedirected(context) ? "6" : "system");
  ReleaseActCtx(context);
  return 0;
}
