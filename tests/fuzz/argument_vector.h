// Fuzz input as an argument vector: the arguments are the pieces between NUL
// bytes, so n NUL bytes make n + 1 arguments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class ArgumentVector {
 public:
  // Replaces the arguments with those of one input; programName, when given,
  // comes first as argv[0] does.
  void Split(const std::uint8_t* data, std::size_t size, const char* programName = nullptr);

  int count() const { return static_cast<int>(values_.size()) - 1; }
  const char* const* values() const { return values_.data(); }

 private:
  // The input and a terminator, in a block of its own size so that AddressSanitizer
  // catches a read past the end of the last argument.
  std::unique_ptr<char[]> text_;
  // Ends with a null pointer, as main's argv does; its storage is kept from one
  // input to the next.
  std::vector<const char*> values_;
};
