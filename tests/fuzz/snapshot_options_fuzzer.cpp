// The arguments after --snapshot: the file name, then options with their values.
#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/snapshot_options.h"
#include "tests/fuzz/argument_vector.h"

namespace {
ArgumentVector arguments;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  arguments.Split(data, size);
  SnapshotOptions options;
  std::string error;
  ParseSnapshotOptions(arguments.count(), arguments.values(), options, error);
  return 0;
}
