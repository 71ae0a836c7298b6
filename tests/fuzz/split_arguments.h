// Fuzz input as an argument vector: the arguments are the pieces between NUL
// bytes, so n NUL bytes make n + 1 arguments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class SplitArguments {
 public:
  // programName, when given, comes first as argv[0] does.
  SplitArguments(const std::uint8_t* data, std::size_t size, const char* programName = nullptr);

  int count() const { return static_cast<int>(values_.size()) - 1; }
  const char* const* values() const { return values_.data(); }

 private:
  // The input and a terminator, in a block of its own size so that AddressSanitizer
  // catches a read past the end of the last argument.
  std::unique_ptr<char[]> text_;
  std::vector<const char*> values_;  // ends with a null pointer, as main's argv does
};
