// The panels' digit reading against ICU's own character data: every decimal
// digit ICU knows reads as its value, and nothing else becomes a digit.

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <string>

#include "platform/read_number.h"

namespace tellux {
namespace {

TEST(UnicodeDigits, EveryDecimalDigitOfIcuReadsAsItsValueAndNoOtherCharacterChanges) {
  int digits = 0;
  for (UChar32 c = 0x80; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::string utf8;
    icu::UnicodeString(c).toUTF8String(utf8);
    const std::string ascii = WithAsciiDigits(utf8);
    if (u_charType(c) == U_DECIMAL_DIGIT_NUMBER) {
      ++digits;
      ASSERT_EQ(ascii, std::string(1, static_cast<char>('0' + u_charDigitValue(c)))) << std::hex << c;
    } else {
      ASSERT_EQ(ascii, utf8) << std::hex << c;
    }
  }
  EXPECT_GE(digits, 670);
}

}  // namespace
}  // namespace tellux
