#include "platform/read_number.h"

#include <gtest/gtest.h>

#include "platform/run_time_error.h"

namespace tellux {
namespace {

TEST(Val, ReadsTheNumberAtTheStartAndStopsAtTheFirstOtherCharacter) {
  EXPECT_EQ(Val("12"), 12);
  EXPECT_EQ(Val("30 PM"), 30);
  EXPECT_EQ(Val("35:20"), 35);
  EXPECT_EQ(Val("-3.5e2x"), -350);
  EXPECT_EQ(Val("+7"), 7);
  EXPECT_EQ(Val("2D2"), 200);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("1e"), 1);
  EXPECT_EQ(Val("1.2.3"), 1.2);
}

TEST(Val, IgnoresBlanksTabsAndLineFeedsWherever) {
  EXPECT_EQ(Val(" 1 2\t3\n"), 123);
  EXPECT_EQ(Val("- 4"), -4);
}

TEST(Val, ReadsATextWithoutANumberAsZero) {
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val("-"), 0);
  EXPECT_EQ(Val("."), 0);
}

TEST(Val, ANumberTooLargeForADoubleIsAnOverflow) {
  EXPECT_THROW(Val("1e400"), RunTimeError);
  EXPECT_EQ(Val("1e-400"), 0);
}

TEST(ParseNumber, AcceptsOnlyAWholeNumberWithBlanksAround) {
  EXPECT_EQ(ParseNumber(" -1 "), -1);
  EXPECT_EQ(ParseNumber("2.5"), 2.5);
  EXPECT_EQ(ParseNumber("1e3"), 1000);
  EXPECT_FALSE(ParseNumber(""));
  EXPECT_FALSE(ParseNumber("12abc"));
  EXPECT_FALSE(ParseNumber("1 2"));
  EXPECT_FALSE(ParseNumber("abc"));
  EXPECT_FALSE(ParseNumber(std::string("1\0", 2)));
  EXPECT_FALSE(ParseNumber("1e400"));
}

TEST(WithAsciiDigits, WritesTheDigitsOfOtherScriptsAsAsciiAndLeavesTheRest) {
  EXPECT_EQ(WithAsciiDigits("\u0662:\u0663\u0665 \u0645"), "2:35 \u0645");     // Arabic-Indic
  EXPECT_EQ(WithAsciiDigits("\u06F1\u06F4:\u06F3\u06F5"), "14:35");           // Persian
  EXPECT_EQ(WithAsciiDigits("\u0968:\u0969\u096B PM"), "2:35 PM");             // Devanagari
  EXPECT_EQ(WithAsciiDigits("\u09E8\u09E9"), "23");                             // Bengali
  EXPECT_EQ(WithAsciiDigits("\uFF11\uFF12\uFF1A\uFF10\uFF10"), "12\uFF1A00");  // fullwidth
  EXPECT_EQ(WithAsciiDigits("\U0001D7CE\U0001D7D9"), "01");                     // mathematical
  EXPECT_EQ(Val(WithAsciiDigits("\u0661\u0662")), 12);
}

TEST(WithAsciiDigits, KeepsAsciiTextsAndWhatIsNoDigitExactly) {
  for (const char* same : {"", "12:35 PM", "-3.5e2x", "\u4E0B\u5348 2:35", "\u00BD \u2460 \u0F33"}) {
    EXPECT_EQ(WithAsciiDigits(same), same);
  }
  // Malformed bytes stay as they are; an overlong "0" is no digit.
  const std::string damaged = "\xD9\xA3\xD9\xFF\xE0\x80\xB0\xF0\x9D\x9F";
  EXPECT_EQ(WithAsciiDigits(damaged), "3\xD9\xFF\xE0\x80\xB0\xF0\x9D\x9F");
}

}  // namespace
}  // namespace tellux
