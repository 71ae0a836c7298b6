// The Linux command line: every form the program understands, and the window
// ids and detail names that come with the options or from the environment.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/launch_options.h"
#include "tests/fuzz/argument_vector.h"

namespace {
ArgumentVector arguments;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  arguments.Split(data, size, "vorn");
  ParseLaunchOptions(arguments.count(), arguments.values());
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ParseWindowId(text);
  ParseDetailName(text);
  return 0;
}
