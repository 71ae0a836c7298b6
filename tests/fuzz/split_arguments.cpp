// Two allocations per input and libc's own scanning: the fuzzers of the small
// parsers spent half their time in a byte loop and a growing vector here.
#include "tests/fuzz/split_arguments.h"

#include <algorithm>
#include <cstring>

SplitArguments::SplitArguments(const std::uint8_t* data, std::size_t size, const char* programName)
    : text_(new char[size + 1]) {
  std::copy_n(data, size, text_.get());
  text_[size] = '\0';
  const char* const end = text_.get() + size;
  std::size_t pieces = 0;
  for (const char* piece = text_.get(); piece <= end; piece += std::strlen(piece) + 1) ++pieces;
  values_.reserve(pieces + 2);
  if (programName != nullptr) values_.push_back(programName);
  for (const char* piece = text_.get(); piece <= end; piece += std::strlen(piece) + 1) {
    values_.push_back(piece);
  }
  values_.push_back(nullptr);
}
