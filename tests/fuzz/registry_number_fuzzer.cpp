// A raw registry value of any size, as the Windows settings store reads it.
#include <cstddef>
#include <cstdint>

#include "shell/registry_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DecodeRegistryNumber(data, size);
  return 0;
}
