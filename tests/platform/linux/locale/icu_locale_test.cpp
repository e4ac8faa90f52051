// Locale texts and the clock's time text as the user's locale writes them,
// through the Windows-shaped calls and their buffer rules.

#include "platform/linux/locale/icu_locale.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace tellux {
namespace {

constexpr const char* kNarrowNbsp = "\u202F";

// The locale text as a caller reads it: ask the size, then fill a buffer.
std::string Info(IcuLocale& locale, std::uint32_t which, std::uint32_t lcType) {
  const int size = locale.GetLocaleInfoA(which, lcType, nullptr, 0);
  if (size <= 0) return "<failed>";
  std::string buffer(static_cast<std::size_t>(size), '#');
  const int written = locale.GetLocaleInfoA(which, lcType, &buffer, size);
  EXPECT_EQ(written, size);
  EXPECT_EQ(buffer.back(), '\0');
  return buffer.substr(0, buffer.size() - 1);
}

SYSTEMTIME TimeOfDay(int hour, int minute, int second) {
  SYSTEMTIME t;
  t.wYear = 2024;
  t.wMonth = 3;
  t.wDay = 15;
  t.wHour = static_cast<std::uint16_t>(hour);
  t.wMinute = static_cast<std::uint16_t>(minute);
  t.wSecond = static_cast<std::uint16_t>(second);
  return t;
}

// The time text as the clock writes it: a 255-byte buffer, 254 offered.
std::string TimeText(IcuLocale& locale, std::uint32_t which, const SYSTEMTIME& t) {
  std::string buffer(255, '\0');
  const int written = locale.GetTimeFormatA(which, 0, &t, nullptr, &buffer, 254);
  if (written == 0) return "<failed>";
  EXPECT_EQ(buffer[static_cast<std::size_t>(written) - 1], '\0');
  return buffer.substr(0, static_cast<std::size_t>(written) - 1);
}

struct LocaleFacts {
  const char* name;
  const char* separator;
  const char* pm;  // empty: a 24-hour clock has no day period
  const char* decimal;
  std::string afternoon;  // 14:35:20
};

class IcuLocaleFacts : public ::testing::TestWithParam<LocaleFacts> {};

TEST_P(IcuLocaleFacts, TheUserLocaleGivesItsOwnTexts) {
  const LocaleFacts& facts = GetParam();
  IcuLocale locale(facts.name, facts.name);
  EXPECT_EQ(Info(locale, kLocaleUserDefault, kLocaleSTime), facts.separator);
  EXPECT_EQ(Info(locale, kLocaleUserDefault, kLocaleS2359), facts.pm);
  EXPECT_EQ(Info(locale, kLocaleUserDefault, kLocaleSDecimal), facts.decimal);
  EXPECT_EQ(TimeText(locale, kLocaleSystemDefault, TimeOfDay(14, 35, 20)), facts.afternoon);
}

INSTANTIATE_TEST_SUITE_P(FourLocalesAndMore, IcuLocaleFacts,
                         ::testing::Values(LocaleFacts{"en_US", ":", "PM", ".",
                                                       std::string("2:35:20") + kNarrowNbsp + "PM"},
                                           LocaleFacts{"de_DE", ":", "", ",", "14:35:20"},
                                           LocaleFacts{"fr_FR", ":", "", ",", "14:35:20"},
                                           LocaleFacts{"ja_JP", ":", "", ".", "14:35:20"},
                                           LocaleFacts{"fi_FI", ".", "", ",", "14.35.20"},
                                           LocaleFacts{"ko_KR", ":", "\uC624\uD6C4", ".",
                                                       "\uC624\uD6C4 2:35:20"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(IcuLocaleChoice, UserAndSystemLocalesAnswerSeparately) {
  IcuLocale locale("en_US", "de_DE");
  EXPECT_EQ(Info(locale, kLocaleUserDefault, kLocaleS2359), "PM");
  EXPECT_EQ(Info(locale, kLocaleSystemDefault, kLocaleS2359), "");
  EXPECT_EQ(Info(locale, kLocaleSystemDefault, kLocaleSDecimal), ",");
  EXPECT_EQ(TimeText(locale, kLocaleSystemDefault, TimeOfDay(14, 35, 20)), "14:35:20");
  EXPECT_EQ(TimeText(locale, kLocaleUserDefault, TimeOfDay(14, 35, 20)),
            std::string("2:35:20") + kNarrowNbsp + "PM");
}

TEST(IcuLocaleChoice, AnUnknownLocaleIdOrTypeFails) {
  IcuLocale locale("en_US", "en_US");
  std::string buffer(16, '#');
  EXPECT_EQ(locale.GetLocaleInfoA(0x0409, kLocaleSTime, &buffer, 16), 0);
  EXPECT_EQ(locale.GetLocaleInfoA(kLocaleUserDefault, 0x1234, &buffer, 16), 0);
  SYSTEMTIME t = TimeOfDay(9, 5, 0);
  EXPECT_EQ(locale.GetTimeFormatA(0x0409, 0, &t, nullptr, &buffer, 16), 0);
  EXPECT_EQ(buffer, std::string(16, '#'));
}

TEST(IcuLocaleBuffers, SizeQueryExactFitAndTooSmall) {
  IcuLocale locale("en_US", "en_US");
  EXPECT_EQ(locale.GetLocaleInfoA(kLocaleUserDefault, kLocaleS2359, nullptr, 0), 3);

  std::string exact(3, '#');
  EXPECT_EQ(locale.GetLocaleInfoA(kLocaleUserDefault, kLocaleS2359, &exact, 3), 3);
  EXPECT_EQ(exact, std::string("PM\0", 3));

  std::string small(2, '#');
  EXPECT_EQ(locale.GetLocaleInfoA(kLocaleUserDefault, kLocaleS2359, &small, 2), 0);
  EXPECT_EQ(small, "##");

  // Only the first cchData characters are the buffer; the rest stays.
  std::string larger(8, '#');
  EXPECT_EQ(locale.GetLocaleInfoA(kLocaleUserDefault, kLocaleS2359, &larger, 5), 3);
  EXPECT_EQ(larger, std::string("PM\0#####", 8));
}

TEST(IcuLocaleBuffers, AnEmptyPmDesignatorIsJustTheNul) {
  IcuLocale locale("de_DE", "de_DE");
  EXPECT_EQ(locale.GetLocaleInfoA(kLocaleUserDefault, kLocaleS2359, nullptr, 0), 1);
  std::string buffer(4, '#');
  EXPECT_EQ(locale.GetLocaleInfoA(kLocaleUserDefault, kLocaleS2359, &buffer, 4), 1);
  EXPECT_EQ(buffer, std::string("\0###", 4));
}

TEST(IcuLocaleBuffers, UtfEightBytesCountAsCharacters) {
  IcuLocale locale("ko_KR", "ko_KR");
  // Two Hangul syllables: six bytes and the NUL.
  EXPECT_EQ(locale.GetLocaleInfoA(kLocaleUserDefault, kLocaleS2359, nullptr, 0), 7);
}

TEST(IcuLocaleTimeText, SizeQueryAndTooSmallBuffer) {
  IcuLocale locale("de_DE", "de_DE");
  const SYSTEMTIME t = TimeOfDay(14, 35, 20);
  EXPECT_EQ(locale.GetTimeFormatA(kLocaleSystemDefault, 0, &t, nullptr, nullptr, 0), 9);
  std::string buffer(8, '#');
  EXPECT_EQ(locale.GetTimeFormatA(kLocaleSystemDefault, 0, &t, nullptr, &buffer, 8), 0);
  EXPECT_EQ(buffer, std::string(8, '#'));
}

TEST(IcuLocaleTimeText, FieldsOutOfRangeAreRefusedWithTheBufferUntouched) {
  IcuLocale locale("en_US", "en_US");
  for (SYSTEMTIME t : {TimeOfDay(24, 0, 0), TimeOfDay(12, 60, 0), TimeOfDay(12, 0, 60)}) {
    std::string buffer(32, '#');
    EXPECT_EQ(locale.GetTimeFormatA(kLocaleSystemDefault, 0, &t, nullptr, &buffer, 32), 0);
    EXPECT_EQ(buffer, std::string(32, '#'));
  }
  SYSTEMTIME t = TimeOfDay(12, 0, 0);
  t.wMilliseconds = 1000;
  std::string buffer(32, '#');
  EXPECT_EQ(locale.GetTimeFormatA(kLocaleSystemDefault, 0, &t, nullptr, &buffer, 32), 0);
  EXPECT_EQ(buffer, std::string(32, '#'));
}

TEST(IcuLocaleTimeText, MidnightNoonAndTheDateIgnored) {
  IcuLocale locale("en_US", "en_US");
  EXPECT_EQ(TimeText(locale, kLocaleSystemDefault, TimeOfDay(0, 0, 0)),
            std::string("12:00:00") + kNarrowNbsp + "AM");
  EXPECT_EQ(TimeText(locale, kLocaleSystemDefault, TimeOfDay(12, 0, 5)),
            std::string("12:00:05") + kNarrowNbsp + "PM");
  SYSTEMTIME dateless = TimeOfDay(23, 59, 59);
  dateless.wYear = 0;
  dateless.wMonth = 0;
  dateless.wDay = 0;
  EXPECT_EQ(TimeText(locale, kLocaleSystemDefault, dateless),
            std::string("11:59:59") + kNarrowNbsp + "PM");
}

TEST(IcuLocaleTimeText, TheMachineZoneNeverShiftsTheHour) {
  const char* old = std::getenv("TZ");
  const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
  setenv("TZ", "JST-9", 1);
  tzset();
  {
    IcuLocale locale("de_DE", "de_DE");
    EXPECT_EQ(TimeText(locale, kLocaleSystemDefault, TimeOfDay(14, 35, 20)), "14:35:20");
  }
  if (saved)
    setenv("TZ", saved->c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}

TEST(IcuLocaleTimeText, OnlyTheLocalesOwnFormatIsOffered) {
  IcuLocale locale("en_US", "en_US");
  const SYSTEMTIME t = TimeOfDay(14, 35, 20);
  std::string buffer(32, '#');
  EXPECT_EQ(locale.GetTimeFormatA(kLocaleSystemDefault, 2, &t, nullptr, &buffer, 32), 0);
  EXPECT_EQ(locale.GetTimeFormatA(kLocaleSystemDefault, 0, &t, "HH", &buffer, 32), 0);
  EXPECT_EQ(locale.GetTimeFormatA(kLocaleSystemDefault, 0, nullptr, nullptr, &buffer, 32), 0);
  EXPECT_EQ(buffer, std::string(32, '#'));
}

TEST(LocaleNames, PosixNamesBecomeIcuNames) {
  EXPECT_EQ(IcuLocaleName("de_DE.UTF-8"), "de_DE");
  EXPECT_EQ(IcuLocaleName("sr_RS@latin"), "sr_Latn_RS");
  EXPECT_EQ(IcuLocaleName("fr_FR.ISO-8859-15@euro"), "fr_FR");
  EXPECT_EQ(IcuLocaleName("ja_JP"), "ja_JP");
  EXPECT_EQ(IcuLocaleName("C"), "en_US");
  EXPECT_EQ(IcuLocaleName("C.UTF-8"), "en_US");
  EXPECT_EQ(IcuLocaleName("POSIX"), "en_US");
  EXPECT_EQ(IcuLocaleName(""), "en_US");
}

// Sets the three locale variables for one test and puts them back.
class LocaleEnvironment : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void TearDown() override {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (saved_[i])
        setenv(kNames[i], saved_[i]->c_str(), 1);
      else
        unsetenv(kNames[i]);
    }
  }
  static void Set(const char* lcAll, const char* lcTime, const char* lang) {
    setenv("LC_ALL", lcAll, 1);
    setenv("LC_TIME", lcTime, 1);
    setenv("LANG", lang, 1);
  }
  static constexpr const char* kNames[] = {"LC_ALL", "LC_TIME", "LANG"};

 private:
  std::vector<std::optional<std::string>> saved_;
};

TEST_F(LocaleEnvironment, TheFirstNonEmptyVariableNamesTheUserLocale) {
  Set("de_DE.UTF-8", "fr_FR.UTF-8", "ja_JP.UTF-8");
  EXPECT_EQ(UserLocaleName(), "de_DE");
  Set("", "fr_FR.UTF-8", "ja_JP.UTF-8");
  EXPECT_EQ(UserLocaleName(), "fr_FR");
  Set("", "", "ja_JP.UTF-8");
  EXPECT_EQ(UserLocaleName(), "ja_JP");
  Set("", "", "");
  EXPECT_EQ(UserLocaleName(), "en_US");
}

TEST_F(LocaleEnvironment, TheMachineLocaleComesFromTheFirstFileThatNamesIt) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("tellux_locale_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto noLang = (dir / "default_locale").string();
  const auto withLang = (dir / "locale.conf").string();
  std::ofstream(noLang) << "#  File generated by update-locale\nLC_TIME=de_DE.UTF-8\n";
  std::ofstream(withLang) << "# comment\nexport LANG=\"ja_JP.UTF-8\"\n";

  EXPECT_EQ(SystemLocaleName({noLang, withLang}, "en_US"), "ja_JP");
  EXPECT_EQ(SystemLocaleName({noLang, (dir / "missing").string()}, "fr_FR"), "fr_FR");
  std::filesystem::remove_all(dir);
}

// A pipe named where the machine's locale file belongs holds nobody up: it
// is passed over like a missing file, and the next file still counts, its
// DOS line ends and missing last line end included.
TEST_F(LocaleEnvironment, APipeInPlaceOfTheLocaleFileIsPassedOver) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("tellux_locale_fifo_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto pipe = (dir / "default_locale").string();
  const auto dos = (dir / "locale.conf").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::ofstream(dos) << "# comment\r\nLANG=de_AT.UTF-8\r";

  EXPECT_EQ(SystemLocaleName({pipe, dos}, "en_US"), "de_AT");
  EXPECT_EQ(SystemLocaleName({pipe}, "fr_FR"), "fr_FR");
  std::filesystem::remove_all(dir);
}

TEST_F(LocaleEnvironment, TheMadeLocaleServesTheEnvironmentsUser) {
  Set("", "", "de_DE.UTF-8");
  const auto locale = MakeIcuLocale();
  EXPECT_EQ(Info(*locale, kLocaleUserDefault, kLocaleSDecimal), ",");
}

TEST(IcuLocaleDayPeriods, TheAmTextComesWithThePmTextOfATwelveHourClock) {
  IcuLocale korean("ko_KR", "ko_KR");
  EXPECT_EQ(Info(korean, kLocaleUserDefault, kLocaleS1159), "\uC624\uC804");
  EXPECT_EQ(TimeText(korean, kLocaleSystemDefault, TimeOfDay(6, 26, 20)), "\uC624\uC804 6:26:20");
  IcuLocale german("de_DE", "de_DE");
  EXPECT_EQ(Info(german, kLocaleUserDefault, kLocaleS1159), "");
}

TEST(IcuLocaleDayPeriods, FlexibleDayPeriodsAreWrittenAsAmAndPm) {
  IcuLocale taiwan("zh_TW", "zh_TW");
  EXPECT_EQ(Info(taiwan, kLocaleUserDefault, kLocaleS1159), "\u4E0A\u5348");
  EXPECT_EQ(Info(taiwan, kLocaleUserDefault, kLocaleS2359), "\u4E0B\u5348");
  EXPECT_EQ(TimeText(taiwan, kLocaleSystemDefault, TimeOfDay(6, 26, 20)), "\u4E0A\u53486:26:20");
  EXPECT_EQ(TimeText(taiwan, kLocaleSystemDefault, TimeOfDay(1, 5, 0)), "\u4E0A\u53481:05:00");
  EXPECT_EQ(TimeText(taiwan, kLocaleSystemDefault, TimeOfDay(21, 5, 0)), "\u4E0B\u53489:05:00");
}

TEST(IcuLocaleSeparators, AWordBetweenHourAndMinuteIsReportedWithItsBlanks) {
  IcuLocale canada("fr_CA", "fr_CA");
  EXPECT_EQ(Info(canada, kLocaleUserDefault, kLocaleSTime), " h ");
  EXPECT_EQ(TimeText(canada, kLocaleSystemDefault, TimeOfDay(14, 35, 20)), "14 h 35 min 20 s");
}

}  // namespace
}  // namespace tellux
