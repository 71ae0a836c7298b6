// The scene's clock, time of day and bitmaps on Windows.
#include "shell/win32/win32_platform.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

#include <ctime>

#include "shell/startup_trace.h"
#include "shell/win32/saver_process.h"

std::uint32_t Win32Platform::Milliseconds() { return timeGetTime(); }

bool Win32Platform::LocalTimeOfDay(TimeOfDay& time) {
  const std::time_t now = std::time(nullptr);
  // The runtime's own buffer is fine: one thread reads the time.
  const std::tm* local = now == static_cast<std::time_t>(-1) ? nullptr : std::localtime(&now);
  if (local == nullptr) return false;
  time = TimeOfDay{local->tm_hour, local->tm_min, local->tm_sec};
  return true;
}

bool Win32Platform::ReadBitmap(int id, BitmapPixels& bitmap) {
  // Each texture starts from its bitmap.
  TraceStartupStep("texture", id);
  // LR_LOADMAP3DCOLORS maps only palette greys that none of the bitmaps uses.
  auto* loaded = static_cast<HBITMAP>(
      LoadImageA(instanceHandle, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
  if (loaded == nullptr) return false;
  BITMAP size{};
  GetObjectA(loaded, sizeof size, &size);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(memory, loaded);

  bitmap.width = size.bmWidth;
  bitmap.height = size.bmHeight;
  bitmap.rgb.clear();
  bitmap.rgb.reserve(static_cast<size_t>(size.bmWidth) * size.bmHeight * 3);
  // Row 0 of GetPixel is the top row, as BitmapPixels wants it.
  for (int y = 0; y < size.bmHeight; ++y) {
    for (int x = 0; x < size.bmWidth; ++x) {
      const COLORREF colour = GetPixel(memory, x, y);
      bitmap.rgb.push_back(GetRValue(colour));
      bitmap.rgb.push_back(GetGValue(colour));
      bitmap.rgb.push_back(GetBValue(colour));
    }
  }

  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(loaded);
  return true;
}
