// The general date form: what the user's locale writes for a date value and
// what it reads back, from the clock's own texts and from what people type.

#include "platform/linux/locale/icu_date_services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/date_value.h"

namespace tellux {
namespace {

using date_value::DateSerial;

const std::string kNnbsp = "\u202F";

double TimeOnly(int hour, int minute, int second = 0) {
  return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

double At(int year, int month, int day, int hour, int minute, int second) {
  SYSTEMTIME t;
  t.wYear = static_cast<std::uint16_t>(year);
  t.wMonth = static_cast<std::uint16_t>(month);
  t.wDay = static_cast<std::uint16_t>(day);
  t.wHour = static_cast<std::uint16_t>(hour);
  t.wMinute = static_cast<std::uint16_t>(minute);
  t.wSecond = static_cast<std::uint16_t>(second);
  return date_value::FromSystemTime(t);
}

class GeneralDateRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(GeneralDateRoundTrip, WhatIsWrittenReadsBackAsTheSameValue) {
  IcuDateServices dates(GetParam());
  const double values[] = {
      TimeOnly(14, 35, 20),                                   // a time alone
      TimeOnly(0, 0, 0),                                      // midnight alone
      TimeOnly(1, 2, 24),                                     // small numbers that look like a date
      DateSerial(2024, 3, 15),                                // a date alone
      DateSerial(1999, 12, 31),                               // outside the two-digit-year window
      DateSerial(2150, 1, 1),                                 //   on either side
      At(2024, 3, 15, 14, 35, 20),                            // both
      At(2024, 2, 29, 23, 59, 59), At(1850, 6, 1, 6, 30, 0),  // before 1899-12-30: negative
      At(1500, 3, 15, 12, 0, 0),                              // before the Gregorian reform
  };
  for (const double value : values) {
    const std::string text = dates.FormatGeneralDate(value);
    ASSERT_FALSE(text.empty()) << value;
    const auto read = dates.ReadGeneralDate(text);
    ASSERT_TRUE(read.has_value()) << text;
    EXPECT_DOUBLE_EQ(*read, value) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(FourLocalesAndMore, GeneralDateRoundTrip,
                         ::testing::Values("en_US", "de_DE", "fr_FR", "ja_JP", "fi_FI", "ko_KR",
                                           "ar_EG", "fa_IR", "bn_BD", "mr_IN", "my_MM"));

TEST(GeneralDateWriting, EnglishTimeDateAndBoth) {
  IcuDateServices dates("en_US");
  EXPECT_EQ(dates.FormatGeneralDate(TimeOnly(14, 35, 20)), "2:35:20" + kNnbsp + "PM");
  EXPECT_EQ(dates.FormatGeneralDate(0.0), "12:00:00" + kNnbsp + "AM");
  EXPECT_EQ(dates.FormatGeneralDate(DateSerial(2024, 3, 15)), "3/15/2024");
  EXPECT_EQ(dates.FormatGeneralDate(At(2024, 3, 15, 14, 35, 20)),
            "3/15/2024 2:35:20" + kNnbsp + "PM");
}

TEST(GeneralDateWriting, GermanFrenchJapanese) {
  EXPECT_EQ(IcuDateServices("de_DE").FormatGeneralDate(At(2024, 3, 15, 14, 35, 20)),
            "15.03.2024 14:35:20");
  EXPECT_EQ(IcuDateServices("fr_FR").FormatGeneralDate(At(2024, 3, 15, 14, 35, 20)),
            "15/03/2024 14:35:20");
  EXPECT_EQ(IcuDateServices("ja_JP").FormatGeneralDate(At(2024, 3, 15, 14, 35, 20)),
            "2024/03/15 14:35:20");
}

TEST(GeneralDateWriting, DatesFollowTheProlepticGregorianCalendar) {
  // Date values never switch to the Julian calendar.
  IcuDateServices dates("en_US");
  EXPECT_EQ(dates.FormatGeneralDate(DateSerial(1500, 3, 15)), "3/15/1500");
  EXPECT_EQ(dates.FormatGeneralDate(DateSerial(1582, 10, 10)), "10/10/1582");
  EXPECT_EQ(dates.FormatGeneralDate(-1.25), "12/29/1899 6:00:00" + kNnbsp + "AM");
}

TEST(GeneralDateWriting, RoundsToTheSecondCarryingIntoTheNextDay) {
  IcuDateServices dates("de_DE");
  EXPECT_EQ(dates.FormatGeneralDate(TimeOnly(10, 0, 0) + 0.4 / 86400.0), "10:00:00");
  EXPECT_EQ(dates.FormatGeneralDate(DateSerial(2024, 3, 15) - 0.2 / 86400.0), "15.03.2024");
}

TEST(GeneralDateWriting, ValuesOutsideTheYears100To9999WriteNothing) {
  IcuDateServices dates("en_US");
  EXPECT_EQ(dates.FormatGeneralDate(DateSerial(10000, 1, 1)), "");
  EXPECT_EQ(dates.FormatGeneralDate(DateSerial(99, 12, 31)), "");
  EXPECT_EQ(dates.FormatGeneralDate(std::numeric_limits<double>::quiet_NaN()), "");
  EXPECT_EQ(dates.FormatGeneralDate(std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(dates.FormatGeneralDate(DateSerial(9999, 12, 31)), "12/31/9999");
  EXPECT_EQ(dates.FormatGeneralDate(DateSerial(100, 1, 1)), "1/1/0100");
}

TEST(GeneralDateReading, TypedEnglishTimes) {
  IcuDateServices dates("en_US");
  const double fourThirtyFive = TimeOnly(16, 35);
  for (const char* typed :
       {"4:35 PM", "4:35\u202FPM", "4:35\u00A0PM", "4:35 pm", "16:35", "  4:35 PM  ", "04:35 PM"}) {
    const auto read = dates.ReadGeneralDate(typed);
    ASSERT_TRUE(read.has_value()) << typed;
    EXPECT_DOUBLE_EQ(*read, fourThirtyFive) << typed;
  }
  for (const char* typed : {"4:35:20 PM", "16:35:20", "4:35:20\u202Fpm"}) {
    const auto read = dates.ReadGeneralDate(typed);
    ASSERT_TRUE(read.has_value()) << typed;
    EXPECT_DOUBLE_EQ(*read, TimeOnly(16, 35, 20)) << typed;
  }
  EXPECT_DOUBLE_EQ(dates.ReadGeneralDate("12:10 AM").value_or(-1), TimeOnly(0, 10));
}

TEST(GeneralDateReading, TypedDatesAndBoth) {
  IcuDateServices dates("en_US");
  EXPECT_DOUBLE_EQ(dates.ReadGeneralDate("3/15/2024").value_or(-1), DateSerial(2024, 3, 15));
  EXPECT_DOUBLE_EQ(dates.ReadGeneralDate("3/15/24").value_or(-1), DateSerial(2024, 3, 15));
  EXPECT_DOUBLE_EQ(dates.ReadGeneralDate("3/15/2024 4:35 PM").value_or(-1),
                   At(2024, 3, 15, 16, 35, 0));
  EXPECT_DOUBLE_EQ(dates.ReadGeneralDate("3/15/2024 16:35:20").value_or(-1),
                   At(2024, 3, 15, 16, 35, 20));
}

TEST(GeneralDateReading, OtherLocalesTakeTheirOwnAndTheTwelveHourForm) {
  IcuDateServices german("de_DE");
  EXPECT_DOUBLE_EQ(german.ReadGeneralDate("16:35").value_or(-1), TimeOnly(16, 35));
  EXPECT_DOUBLE_EQ(german.ReadGeneralDate("4:35 PM").value_or(-1), TimeOnly(16, 35));
  EXPECT_DOUBLE_EQ(german.ReadGeneralDate("15.03.2024").value_or(-1), DateSerial(2024, 3, 15));

  IcuDateServices japanese("ja_JP");
  EXPECT_DOUBLE_EQ(japanese.ReadGeneralDate("\u5348\u5F8C4:35").value_or(-1), TimeOnly(16, 35));
  EXPECT_DOUBLE_EQ(japanese.ReadGeneralDate("2024/3/15").value_or(-1), DateSerial(2024, 3, 15));

  // Finnish writes times as 1.02.24: that is the clock, not 1 February.
  IcuDateServices finnish("fi_FI");
  EXPECT_DOUBLE_EQ(finnish.ReadGeneralDate("1.02.24").value_or(-1), TimeOnly(1, 2, 24));
  EXPECT_DOUBLE_EQ(finnish.ReadGeneralDate("1.2.2024").value_or(-1), DateSerial(2024, 2, 1));
}

TEST(GeneralDateReading, TextThatIsNoDateIsRefused) {
  IcuDateServices dates("en_US");
  for (const char* typed :
       {"", "   ", "hello", "25:10", "4:61 PM", "13:35 PM", "4:35 PM x", "x 4:35 PM", "2/30/2024",
        "13/1/2024", "3/15/2024 junk", "4:35 PM\u0001", "\xFF\xFE"}) {
    EXPECT_FALSE(dates.ReadGeneralDate(typed).has_value()) << typed;
  }
  EXPECT_FALSE(dates.ReadGeneralDate(std::string_view("4:35\0 PM", 8)).has_value());
  EXPECT_FALSE(dates.ReadGeneralDate("4:35 PM" + std::string(1000, ' ')).has_value());
}

// A field is digits: ICU's number reading took "1E1" for ten, "∞" for zero
// and a minus before a zero.
TEST(GeneralDateReading, ExponentsInfinityAndSignsAreNoFields) {
  for (const char* locale : {"en_US", "de_DE"}) {
    IcuDateServices dates(locale);
    for (const char* typed : {"5:1E1", "1E1:00", "12:5e0", "\u221E:00", "-00:00:00", "-0:00"}) {
      EXPECT_FALSE(dates.ReadGeneralDate(typed).has_value()) << locale << " " << typed;
    }
    EXPECT_DOUBLE_EQ(dates.ReadGeneralDate("5:10").value_or(-1), TimeOnly(5, 10)) << locale;
  }
}

// Digits of other scripts and direction marks, as ICU reads them.
TEST(GeneralDateReading, AnyScriptsDigitsAfterDirectionMarks) {
  IcuDateServices english("en_US");
  for (const char* typed : {"\uFF15:\uFF10\uFF10", "\u0665:\u0660\u0660", "\u096B:\u0966\u0966",
                            "\u200F5:00", "5:\u200E00", "\u061C5:00"}) {
    EXPECT_DOUBLE_EQ(english.ReadGeneralDate(typed).value_or(-1), TimeOnly(5, 0)) << typed;
  }
  EXPECT_FALSE(english.ReadGeneralDate("\uFE0F5:00").has_value());
}

TEST(GeneralDateReading, DatesOutsideTheYears100To9999AreRefused) {
  IcuDateServices dates("de_DE");
  EXPECT_FALSE(dates.ReadGeneralDate("01.01.10000").has_value());
  EXPECT_FALSE(dates.ReadGeneralDate("31.12.0099").has_value());
  EXPECT_DOUBLE_EQ(dates.ReadGeneralDate("01.01.0100").value_or(-1), DateSerial(100, 1, 1));
}

TEST(GeneralDateShortTime, TheLocalesTimeWithoutSeconds) {
  const double afternoon = (14 * 3600 + 35 * 60 + 20) / 86400.0;
  IcuDateServices english("en_US");
  EXPECT_EQ(english.FormatShortTime(afternoon), "2:35\u202FPM");
  EXPECT_EQ(english.FormatShortTime(45000.0 + afternoon), "2:35\u202FPM");  // the date plays no part
  IcuDateServices canada("fr_CA");
  EXPECT_EQ(canada.FormatShortTime(afternoon), "14 h 35");
  EXPECT_EQ(canada.ReadGeneralDate("14 h 35"), (14 * 3600 + 35 * 60) / 86400.0);
  EXPECT_EQ(canada.ReadGeneralDate("14 h 35 min 20 s"), afternoon);
}

TEST(GeneralDateShortTime, FlexibleDayPeriodsAreWrittenAndReadAsAmPm) {
  IcuDateServices taiwan("zh_TW");
  const double morning = (6 * 3600 + 26 * 60 + 20) / 86400.0;
  EXPECT_EQ(taiwan.FormatGeneralDate(morning), "\u4E0A\u53486:26:20");
  EXPECT_EQ(taiwan.FormatShortTime(morning), "\u4E0A\u53486:26");
  EXPECT_EQ(taiwan.ReadGeneralDate("\u4E0B\u53482:35:20"), (14 * 3600 + 35 * 60 + 20) / 86400.0);
}

}  // namespace
}  // namespace tellux
