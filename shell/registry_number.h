// A registry value as the settings store reads it: four bytes whatever the
// value's registry type, so the type plays no part. Portable, so that tests
// and fuzzers reach it without Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The size bytes of a raw value as a little-endian number; a shorter value is
// zero-extended, a longer one is no number.
std::optional<std::int32_t> DecodeRegistryNumber(const unsigned char* bytes, std::size_t size);
