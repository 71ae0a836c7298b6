// The arguments after --snapshot: the file name, then options with their values.
#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/snapshot_options.h"
#include "tests/fuzz/split_arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const SplitArguments arguments(data, size);
  SnapshotOptions options;
  std::string error;
  ParseSnapshotOptions(arguments.count(), arguments.values(), options, error);
  return 0;
}
