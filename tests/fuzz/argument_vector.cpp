// One allocation per input and libc's scanning, built without coverage (see
// CMakeLists.txt): the fuzzers of the small parsers once spent half their
// time splitting.
#include "tests/fuzz/argument_vector.h"

#include <cstring>

void ArgumentVector::Split(const std::uint8_t* data, std::size_t size, const char* programName) {
  text_.reset(new char[size + 1]);
  if (size > 0) std::memcpy(text_.get(), data, size);
  text_[size] = '\0';
  values_.clear();
  if (programName != nullptr) values_.push_back(programName);
  const char* const end = text_.get() + size;
  for (const char* piece = text_.get(); piece <= end;) {
    values_.push_back(piece);
    // Always found: the terminator at end is the last one.
    piece = static_cast<const char*>(std::memchr(piece, '\0', end - piece + 1)) + 1;
  }
  values_.push_back(nullptr);
}
