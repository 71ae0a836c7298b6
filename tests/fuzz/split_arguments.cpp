// Two allocations per input and plain loops, built without coverage (see
// CMakeLists.txt): the fuzzers of the small parsers once spent half their
// time here.
#include "tests/fuzz/split_arguments.h"

#include <algorithm>

SplitArguments::SplitArguments(const std::uint8_t* data, std::size_t size, const char* programName)
    : text_(new char[size + 1]) {
  std::copy_n(data, size, text_.get());
  text_[size] = '\0';
  const char* const begin = text_.get();
  const char* const end = begin + size;
  values_.reserve(std::count(begin, end, '\0') + 3);
  if (programName != nullptr) values_.push_back(programName);
  values_.push_back(begin);
  for (const char* c = begin; c < end; ++c) {
    if (*c == '\0') values_.push_back(c + 1);
  }
  values_.push_back(nullptr);
}
