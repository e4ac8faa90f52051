// The general date form the user reads and types, in English (US) and German:
// a time alone, a date alone or both, read back to the same value.

#include "platform/win32/ole_date_services.h"

#include <gtest/gtest.h>

#include "platform/date_value.h"
#include "platform/win32/windows_api.h"

namespace tellux::win32 {
namespace {

using date_value::DateSerial;

constexpr double kOneOClock = 13.0 / 24;
constexpr double kSecond = 1.0 / 86400;

class GeneralDate : public ::testing::Test {
 protected:
  // What the program writes into a box, the user can leave as it is.
  void ExpectEveryFormReadsBack() {
    const double values[] = {kOneOClock + 2 * 60 * kSecond + 3 * kSecond, 0.0,
                             DateSerial(2023, 3, 15), DateSerial(2023, 3, 15) + kOneOClock,
                             DateSerial(1999, 12, 31) + 0.75};
    for (const double value : values) {
      const std::string text = dates_.FormatGeneralDate(value);
      const auto back = dates_.ReadGeneralDate(text);
      ASSERT_TRUE(back.has_value()) << text;
      EXPECT_NEAR(*back, value, kSecond / 2) << text;
    }
  }
  OleDateServices dates_;
};

TEST_F(GeneralDate, TextThatIsNoDateIsRefused) {
  EXPECT_FALSE(dates_.ReadGeneralDate("no date").has_value());
  EXPECT_FALSE(dates_.ReadGeneralDate("").has_value());
}

class EnglishGeneralDate : public GeneralDate {
 protected:
  void SetUp() override {
    ASSERT_EQ(PRIMARYLANGID(::GetUserDefaultLCID()), LANG_ENGLISH)
        << "run this suite with LC_ALL=en_US.UTF-8";
  }
};

TEST_F(EnglishGeneralDate, EveryFormReadsBackToItsValue) { ExpectEveryFormReadsBack(); }

TEST_F(EnglishGeneralDate, ShowsOnlyThePartsThatAreThere) {
  EXPECT_EQ(dates_.FormatGeneralDate(kOneOClock), "1:00:00 PM");
  EXPECT_EQ(dates_.FormatGeneralDate(0.0), "12:00:00 AM");
  EXPECT_EQ(dates_.FormatGeneralDate(DateSerial(2023, 3, 15)), "3/15/2023");
  EXPECT_EQ(dates_.FormatGeneralDate(DateSerial(2023, 3, 15) + kOneOClock), "3/15/2023 1:00:00 PM");
}

TEST_F(EnglishGeneralDate, ReadsMonthFirst) {
  EXPECT_EQ(dates_.ReadGeneralDate("3/5/2024"), DateSerial(2024, 3, 5));
  const auto typed = dates_.ReadGeneralDate("1:02 PM");
  ASSERT_TRUE(typed.has_value());
  EXPECT_NEAR(*typed, kOneOClock + 2 * 60 * kSecond, kSecond / 2);
}

class GermanGeneralDate : public GeneralDate {
 protected:
  void SetUp() override {
    ASSERT_EQ(PRIMARYLANGID(::GetUserDefaultLCID()), LANG_GERMAN)
        << "run this suite with LC_ALL=de_DE.UTF-8 (the locale must be generated)";
  }
};

TEST_F(GermanGeneralDate, EveryFormReadsBackToItsValue) { ExpectEveryFormReadsBack(); }

TEST_F(GermanGeneralDate, ReadsDayFirstAndATwentyFourHourTime) {
  EXPECT_EQ(dates_.ReadGeneralDate("05.03.2024"), DateSerial(2024, 3, 5));
  const auto both = dates_.ReadGeneralDate("05.03.2024 13:00:00");
  ASSERT_TRUE(both.has_value());
  EXPECT_NEAR(*both, DateSerial(2024, 3, 5) + kOneOClock, kSecond / 2);
}

TEST_F(GermanGeneralDate, WritesTheTimeWithoutDayPeriod) {
  EXPECT_EQ(dates_.FormatGeneralDate(kOneOClock), "13:00:00");
  const std::string both = dates_.FormatGeneralDate(DateSerial(2023, 3, 15) + kOneOClock);
  EXPECT_NE(both.find("15."), std::string::npos) << both;
  EXPECT_NE(both.find(" 13:00:00"), std::string::npos) << both;
}

}  // namespace
}  // namespace tellux::win32
