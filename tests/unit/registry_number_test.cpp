// Registry values as the Windows settings store reads them, whatever their type.
#include "shell/registry_number.h"

#include <gtest/gtest.h>

#include <string>

namespace {
TEST(DecodeRegistryNumber, FourLittleEndianBytesZeroExtendedAndNothingLonger) {
  const struct {
    std::string bytes;
    std::optional<std::int32_t> number;
  } cases[] = {
      {std::string("\x05\0\0\0", 4), 5},  // a REG_DWORD
      {std::string("\xff\xff\xff\x7f", 4), 2147483647},
      {std::string("\0\0\0\x80", 4), -2147483647 - 1},
      {std::string("ab\0", 3), 25185},  // a two-letter REG_SZ
      {"", 0},
      {std::string("\x05\0\0\0\0", 5), std::nullopt},  // too long, as a REG_QWORD
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const auto* bytes = reinterpret_cast<const unsigned char*>(c.bytes.data());
    EXPECT_EQ(DecodeRegistryNumber(bytes, c.bytes.size()), c.number);
  }
}
}  // namespace
