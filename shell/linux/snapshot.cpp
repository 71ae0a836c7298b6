#include "shell/linux/snapshot.h"

#include <GL/gl.h>
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "shell/egl/egl_context.h"
#include "shell/egl/offscreen_target.h"
#include "shell/linux/linux_platform.h"
#include "shell/linux/replace_file.h"
#include "shell/linux/stop_signals.h"
#include "shell/snapshot_frames.h"
#include "shell/snapshot_options.h"

namespace {
// The sizes come from the command line, so any buffer here may be more than
// the memory at hand: that is reported as a picture not written, never thrown.
struct FreeMemory {
  void operator()(unsigned char* bytes) const { std::free(bytes); }
};
using Bytes = std::unique_ptr<unsigned char, FreeMemory>;

constexpr int kUsageError = 2;

// Mesa's read-back goes through a copy of what is read and does not survive
// failing to allocate it, so a large picture is read a band of rows at a time.
constexpr int kRowsPerRead = 256;
// stb's encoder ends the program when a buffer of its own cannot grow, so the
// most it may hold at once is made sure of first: a filtered copy of the
// pixels and a compressed stream grown by doubling, about 3.4 times the pixels.
constexpr std::size_t kEncoderBytesPerPixelByte = 4;

struct EncodedPng {
  Bytes bytes;
  std::size_t size = 0;
  bool outOfMemory = false;
};

void AppendBytes(void* context, void* data, int size) {
  auto& png = *static_cast<EncodedPng*>(context);
  void* grown = std::realloc(png.bytes.get(), png.size + static_cast<std::size_t>(size));
  if (grown == nullptr) {
    png.outOfMemory = true;
    return;
  }
  png.bytes.release();
  png.bytes.reset(static_cast<unsigned char*>(grown));
  std::memcpy(png.bytes.get() + png.size, data, static_cast<std::size_t>(size));
  png.size += static_cast<std::size_t>(size);
}

bool RoomToEncode(std::size_t pixelBytes) {
  void* room = std::malloc(pixelBytes * kEncoderBytesPerPixelByte);
  std::free(room);
  return room != nullptr;
}

bool NoStopRequested() { return !StopRequested(); }

bool OutOfMemory(std::string& reason) {
  reason = std::strerror(ENOMEM);
  return false;
}

// The picture is encoded in memory first, so that the file is written whole or not at all.
bool WritePng(const SnapshotOptions& options, std::string& reason) {
  const std::size_t rowBytes = static_cast<std::size_t>(options.width) * 3;
  const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(options.height);
  const Bytes pixels(static_cast<unsigned char*>(std::malloc(pixelBytes)));
  if (!pixels || !RoomToEncode(pixelBytes)) return OutOfMemory(reason);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  for (int row = 0; row < options.height; row += kRowsPerRead) {
    glReadPixels(0, row, options.width, std::min(kRowsPerRead, options.height - row), GL_RGB,
                 GL_UNSIGNED_BYTE, pixels.get() + rowBytes * static_cast<std::size_t>(row));
  }
  // OpenGL's rows run bottom to top, a PNG's top to bottom.
  stbi_flip_vertically_on_write(1);
  EncodedPng png;
  const int encoded = stbi_write_png_to_func(AppendBytes, &png, options.width, options.height, 3,
                                             pixels.get(), static_cast<int>(rowBytes));
  if (png.outOfMemory) return OutOfMemory(reason);
  if (encoded == 0) {
    reason = "cannot encode the picture";
    return false;
  }
  return ReplaceFile(options.path, png.bytes.get(), png.size, reason);
}
}  // namespace

std::optional<int> RunSnapshot(const ProgramCall& call) {
  if (call.launch.kind != LaunchKind::kSnapshot) return std::nullopt;
  SnapshotOptions options;
  std::string error;
  // The options follow the program's name and --snapshot.
  if (!ParseSnapshotOptions(call.argc - 2, call.argv + 2, options, error)) {
    std::fprintf(stderr, "vorn: %s\n", error.c_str());
    return kUsageError;
  }
  auto context = EglContext::Create(EGL_PLATFORM_SURFACELESS_MESA, nullptr, error);
  if (!context) {
    std::fprintf(stderr, "vorn: %s\n", error.c_str());
    return 1;
  }
  auto target = OffscreenTarget::Create(*context, OffscreenTarget::BestKind(*context),
                                        options.width, options.height, error);
  if (!target) {
    std::fprintf(stderr, "vorn: %s\n", error.c_str());
    return 1;
  }
  LinuxPlatform live;
  SnapshotPlatform platform(options, live);
  if (!DrawSnapshotFrames(options, platform, StartupSeed(), NoStopRequested)) {
    std::fputs("vorn: stopped; no picture written\n", stderr);
    return 1;
  }
  glFinish();
  std::string reason;
  if (!WritePng(options, reason)) {
    std::fprintf(stderr, "vorn: cannot write %s: %s\n", options.path.c_str(), reason.c_str());
    return 1;
  }
  return 0;
}
