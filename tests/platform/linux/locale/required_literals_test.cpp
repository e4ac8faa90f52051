// Reading a typed date skips the forms whose literal characters the text
// lacks: which characters a form needs, and that times, dates cut short and
// locales whose dates and times share a separator still read.

#include <gtest/gtest.h>
#include <unicode/unistr.h>

#include <string>

#include "platform/linux/locale/icu_date_services.h"
#include "platform/linux/locale/required_literals.h"

namespace tellux {
namespace {

std::string Literals(const char16_t* pattern) {
  std::string out;
  ReadingLiterals(icu::UnicodeString(pattern)).toUTF8String(out);
  return out;
}

TEST(ReadingLiterals, AreTheCharactersBetweenFieldsWithoutBlanks) {
  EXPECT_EQ(Literals(u"M/d/y h:mm:ss a"), "//::");
  EXPECT_EQ(Literals(u"dd.MM.y HH:mm"), "..:");
  EXPECT_EQ(Literals(u"H:mm"), ":");
  EXPECT_EQ(Literals(u"Hmm"), "");
}

TEST(ReadingLiterals, QuotedTextIsLiteralAndTwoQuotesAreOne) {
  EXPECT_EQ(Literals(u"H 'h' mm"), "h");
  EXPECT_EQ(Literals(u"'Time:'H:mm"), "Time::");
  EXPECT_EQ(Literals(u"H''mm"), "'");
  EXPECT_EQ(Literals(u"'o''clock' H"), "o'clock");
}

TEST(ReadingLiterals, LeaveOutWhatFollowsTheLastField) {
  // ICU's strict reading lets a text end before a trailing literal.
  EXPECT_EQ(Literals(u"y. M. d."), "..");
  EXPECT_EQ(Literals(u"d.MM.yy 'г'."), "..");
}

TEST(HoldsInOrder, NeedsEachCharacterAfterTheOneBefore) {
  const icu::UnicodeString text(u"12/31/2024 7:15 PM");
  EXPECT_TRUE(HoldsInOrder(text, u"//:"));
  EXPECT_TRUE(HoldsInOrder(text, u""));
  EXPECT_FALSE(HoldsInOrder(text, u":/"));
  EXPECT_FALSE(HoldsInOrder(text, u"///"));
  EXPECT_FALSE(HoldsInOrder(icu::UnicodeString(u"7:15 PM"), u"//:"));
}

TEST(ReadingWithLiterals, TimesAreStillReadWhereTheDateFormsAreSkipped) {
  IcuDateServices english("en_US");
  EXPECT_DOUBLE_EQ(english.ReadGeneralDate("7:15 PM").value(), (19 * 60 + 15) / 1440.0);
  EXPECT_DOUBLE_EQ(english.ReadGeneralDate("2:35:20\u202FPM").value(),
                   (14 * 3600 + 35 * 60 + 20) / 86400.0);
  EXPECT_FALSE(english.ReadGeneralDate("7/15").has_value());
}

TEST(ReadingWithLiterals, ADateMayLeaveOffItsTrailingLiteral) {
  IcuDateServices korean("ko_KR");
  const auto whole = korean.ReadGeneralDate("2024. 3. 15.");
  const auto cut = korean.ReadGeneralDate("2024. 3. 15");
  ASSERT_TRUE(whole.has_value());
  ASSERT_TRUE(cut.has_value());
  EXPECT_DOUBLE_EQ(*whole, *cut);
}

TEST(ReadingWithLiterals, SameSeparatorForDateAndTimeStillReadsBoth) {
  // Finnish writes 15.3.2024 and 16.35.20: no form is skipped by its dots.
  IcuDateServices finnish("fi_FI");
  EXPECT_DOUBLE_EQ(finnish.ReadGeneralDate("16.35.20").value(), (16 * 3600 + 35 * 60 + 20) / 86400.0);
  EXPECT_TRUE(finnish.ReadGeneralDate("15.3.2024").has_value());
}

}  // namespace
}  // namespace tellux
