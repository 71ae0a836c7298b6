#include "shell/linux/linux_platform.h"

#include "shell/embedded_bitmaps.h"
#include "shell/local_time.h"
#include "shell/startup_trace.h"

std::uint32_t LinuxPlatform::Milliseconds() {
  const auto elapsed = std::chrono::steady_clock::now() - start_;
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

bool LinuxPlatform::LocalTimeOfDay(TimeOfDay& time) { return ReadLocalTimeOfDay(time); }

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
