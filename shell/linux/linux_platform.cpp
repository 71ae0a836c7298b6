#include "shell/linux/linux_platform.h"

#include <ctime>

#include "shell/embedded_bitmaps.h"
#include "shell/startup_trace.h"

std::uint32_t LinuxPlatform::Milliseconds() {
  const auto elapsed = std::chrono::steady_clock::now() - start_;
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

bool LinuxPlatform::LocalTimeOfDay(TimeOfDay& time) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) return false;
  time = TimeOfDay{local.tm_hour, local.tm_min, local.tm_sec};
  return true;
}

bool LinuxPlatform::ReadBitmap(int id, BitmapPixels& bitmap) {
  // Each texture starts from its bitmap.
  TraceStartupStep("texture", id);
  return DecodeEmbeddedBitmap(id, bitmap.width, bitmap.height, bitmap.rgb);
}

std::uint32_t StartupSeed() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::uint32_t TickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}
