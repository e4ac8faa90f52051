// The numbers inside dates: written as ICU's own number format writes them
// for a date's fields, in the locale's digits, and read as it reads plain
// digit runs.

#include "platform/linux/locale/date_digits.h"

#include <gtest/gtest.h>
#include <unicode/decimfmt.h>
#include <unicode/fieldpos.h>
#include <unicode/fmtable.h>
#include <unicode/parsepos.h>

#include <memory>
#include <string>

#include "platform/linux/icu_utf8.h"

namespace tellux {
namespace {

// ICU's number format for the locale, set up as a date format sets it up.
std::unique_ptr<icu::DecimalFormat> IcuNumbers(const char* locale) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::NumberFormat> format(icu::NumberFormat::createInstance(icu::Locale(locale), status));
  auto* decimal = dynamic_cast<icu::DecimalFormat*>(format.get());
  if (U_FAILURE(status) || decimal == nullptr) return nullptr;
  format.release();
  decimal->setGroupingUsed(false);
  decimal->setParseIntegerOnly(true);
  return std::unique_ptr<icu::DecimalFormat>(decimal);
}

class DateDigitsInLocale : public ::testing::TestWithParam<const char*> {};

TEST_P(DateDigitsInLocale, FieldsAreWrittenAsIcuWritesThem) {
  const std::unique_ptr<icu::DecimalFormat> icu = IcuNumbers(GetParam());
  ASSERT_NE(icu, nullptr);
  DateDigits digits(*icu->getDecimalFormatSymbols());
  // A date's widths: one or two digits of a time, four of a year, two of a
  // two-digit year (cut from four).
  const int widths[][2] = {{1, 10}, {2, 10}, {2, 2}, {4, 10}};
  for (const auto& [least, most] : widths) {
    icu->setMinimumIntegerDigits(least);
    icu->setMaximumIntegerDigits(most);
    digits.setMinimumIntegerDigits(least);
    digits.setMaximumIntegerDigits(most);
    for (const int value : {0, 5, 9, 10, 59, 100, 2024, 9999, 123456, -7}) {
      icu::UnicodeString expected;
      icu::UnicodeString written;
      icu::FieldPosition ignored;
      icu->format(value, expected, ignored);
      digits.format(value, written, ignored);
      EXPECT_EQ(Utf8(written), Utf8(expected)) << value << " in " << least << ".." << most;
    }
  }
}

TEST_P(DateDigitsInLocale, DigitRunsAreReadAsIcuReadsThem) {
  const std::unique_ptr<icu::DecimalFormat> icu = IcuNumbers(GetParam());
  ASSERT_NE(icu, nullptr);
  const DateDigits digits(*icu->getDecimalFormatSymbols());
  // The locale's own digits, as written, then others with what may follow.
  icu::UnicodeString own;
  icu::FieldPosition ignored;
  icu->format(2047, own, ignored);
  for (const icu::UnicodeString& text :
       {own, own + u":30", icu::UnicodeString(u"07:15"), icu::UnicodeString(u"\uFF11\uFF12 PM"),
        icu::UnicodeString(u"\u200F45"), icu::UnicodeString(u"x12")}) {
    icu::Formattable expected;
    icu::Formattable read;
    icu::ParsePosition icuAt(0);
    icu::ParsePosition at(0);
    icu->parse(text, expected, icuAt);
    digits.parse(text, read, at);
    EXPECT_EQ(at.getIndex(), icuAt.getIndex()) << Utf8(text);
    if (icuAt.getIndex() > 0) {
      EXPECT_EQ(read.getLong(), expected.getLong()) << Utf8(text);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LatinAndOtherDigits, DateDigitsInLocale,
                         ::testing::Values("en_US", "de_DE", "ar_EG", "fa_IR", "bn_BD", "mr_IN", "my_MM"));

TEST(DateDigits, NothingButDigitsMakesAField) {
  const std::unique_ptr<icu::DecimalFormat> icu = IcuNumbers("en_US");
  ASSERT_NE(icu, nullptr);
  const DateDigits digits(*icu->getDecimalFormatSymbols());
  for (const char16_t* text : {u"", u"-5", u"+5", u"\u221E", u"NaN", u"E5", u"\uFE0F5", u":00"}) {
    icu::Formattable read;
    icu::ParsePosition at(0);
    digits.parse(text, read, at);
    EXPECT_EQ(at.getIndex(), 0) << Utf8(icu::UnicodeString(text));
    EXPECT_EQ(at.getErrorIndex(), 0) << Utf8(icu::UnicodeString(text));
  }
  // "1E1" is one, not ten; a run longer than any field stays out of range.
  icu::Formattable read;
  icu::ParsePosition at(0);
  digits.parse(u"1E1", read, at);
  EXPECT_EQ(at.getIndex(), 1);
  EXPECT_EQ(read.getLong(), 1);
  icu::ParsePosition far(0);
  digits.parse(u"99999999999999999999999", read, far);
  EXPECT_EQ(far.getIndex(), 23);
  EXPECT_GT(read.getInt64(), 999999999999999999);
}

}  // namespace
}  // namespace tellux
