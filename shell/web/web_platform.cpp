#include "shell/web/web_platform.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include "shell/embedded_bitmaps.h"
#include "shell/local_time.h"

std::uint32_t WebPlatform::Milliseconds() {
  // performance.now() counts from the page's start: a small origin, as the scene wants.
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
}

bool WebPlatform::LocalTimeOfDay(TimeOfDay& time) { return ReadLocalTimeOfDay(time); }

bool WebPlatform::ReadBitmap(int id, BitmapPixels& bitmap) {
  return DecodeEmbeddedBitmap(id, bitmap.width, bitmap.height, bitmap.rgb);
}

std::uint32_t PageSeed() { return static_cast<std::uint32_t>(emscripten_date_now()); }
