// The screen saver switches: a whole Windows command line, the switches alone,
// and argv as main receives it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/command_line.h"
#include "tests/fuzz/argument_vector.h"

namespace {
ArgumentVector arguments;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ParseCommandLine(text);
  ParseSwitches(text);
  arguments.Split(data, size, "vorn");
  ParseArguments(arguments.count(), arguments.values());
  return 0;
}
