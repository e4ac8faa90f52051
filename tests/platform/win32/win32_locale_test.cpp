// Locale texts and the time of day as the user's Windows writes them, in an
// English (US) and a German session. The German cases run in their own
// process started with LC_ALL=de_DE.UTF-8, which Wine takes as the user's
// and the system's locale.

#include "platform/win32/win32_locale.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

namespace tellux::win32 {
namespace {

constexpr SYSTEMTIME kAfternoon{2024, 3, 2, 5, 13, 2, 3, 0};

std::string Info(Win32Locale& locale, std::uint32_t type) {
  const int size = locale.GetLocaleInfoA(kLocaleUserDefault, type, nullptr, 0);
  std::string buffer(static_cast<std::size_t>(size > 0 ? size : 0), '#');
  const int written = locale.GetLocaleInfoA(kLocaleUserDefault, type, &buffer, size);
  EXPECT_EQ(written, size);
  return buffer.substr(0, buffer.find('\0'));
}

std::string TimeOf(Win32Locale& locale, const SYSTEMTIME& time) {
  std::string buffer(64, '#');
  const int written = locale.GetTimeFormatA(kLocaleSystemDefault, 0, &time, nullptr, &buffer, 64);
  EXPECT_GT(written, 0);
  return buffer.substr(0, buffer.find('\0'));
}

class EnglishUser : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PRIMARYLANGID(::GetUserDefaultLCID()), LANG_ENGLISH)
        << "run this suite with LC_ALL=en_US.UTF-8";
  }
  Win32Locale locale_;
};

TEST_F(EnglishUser, SeparatorsAndDayPeriod) {
  EXPECT_EQ(Info(locale_, kLocaleSTime), ":");
  EXPECT_EQ(Info(locale_, kLocaleSDecimal), ".");
  EXPECT_EQ(Info(locale_, kLocaleS2359), "PM");
  EXPECT_EQ(Info(locale_, kLocaleS1159), "AM");
}

TEST_F(EnglishUser, TimeOfDayHasSecondsAndDayPeriod) {
  EXPECT_EQ(TimeOf(locale_, kAfternoon), "1:02:03 PM");
}

TEST_F(EnglishUser, SizeQueriesCountTheNulAndShortBuffersAreLeftAlone) {
  EXPECT_EQ(locale_.GetLocaleInfoA(kLocaleUserDefault, kLocaleS2359, nullptr, 0), 3);
  std::string buffer(2, '#');
  EXPECT_EQ(locale_.GetLocaleInfoA(kLocaleUserDefault, kLocaleS2359, &buffer, 2), 0);
  EXPECT_EQ(buffer, "##");

  std::string time(5, '#');
  EXPECT_EQ(locale_.GetTimeFormatA(kLocaleSystemDefault, 0, &kAfternoon, nullptr, &time, 5), 0);
  EXPECT_EQ(time, "#####");
}

TEST_F(EnglishUser, AnImpossibleTimeIsRefused) {
  SYSTEMTIME bad = kAfternoon;
  bad.wHour = 25;
  std::string buffer(64, '#');
  EXPECT_EQ(locale_.GetTimeFormatA(kLocaleSystemDefault, 0, &bad, nullptr, &buffer, 64), 0);
  EXPECT_EQ(buffer, std::string(64, '#'));
}

class GermanUser : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PRIMARYLANGID(::GetUserDefaultLCID()), LANG_GERMAN)
        << "run this suite with LC_ALL=de_DE.UTF-8 (the locale must be generated)";
  }
  Win32Locale locale_;
};

TEST_F(GermanUser, DecimalCommaAndTwentyFourHourClock) {
  EXPECT_EQ(Info(locale_, kLocaleSDecimal), ",");
  EXPECT_EQ(Info(locale_, kLocaleSTime), ":");
  EXPECT_EQ(TimeOf(locale_, kAfternoon), "13:02:03");
}

TEST_F(GermanUser, ATwentyFourHourClockHasNoDayPeriodTexts) {
  // Read with a PM text, "12:47" would be taken for a quarter to one at night.
  EXPECT_EQ(Info(locale_, kLocaleS2359), "");
  EXPECT_EQ(Info(locale_, kLocaleS1159), "");
  EXPECT_EQ(locale_.GetLocaleInfoA(kLocaleUserDefault, kLocaleS2359, nullptr, 0), 1);
}

TEST_F(GermanUser, NonAsciiTextArrivesAsUtf8) {
  // The ANSI code page writes "ä" as one byte; our side must see two.
  EXPECT_EQ(Info(locale_, LOCALE_SMONTHNAME3), "M\xC3\xA4rz");
  EXPECT_EQ(locale_.GetLocaleInfoA(kLocaleUserDefault, LOCALE_SMONTHNAME3, nullptr, 0), 6);
}

}  // namespace
}  // namespace tellux::win32
