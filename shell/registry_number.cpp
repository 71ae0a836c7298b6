// Little-endian on every host, as the registry stores its numbers.
#include "shell/registry_number.h"

std::optional<std::int32_t> DecodeRegistryNumber(const unsigned char* bytes, std::size_t size) {
  if (size > sizeof(std::int32_t)) return std::nullopt;
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < size; ++i) bits |= std::uint32_t{bytes[i]} << (8 * i);
  return static_cast<std::int32_t>(bits);
}
