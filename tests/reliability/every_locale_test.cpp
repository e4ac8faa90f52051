// Every locale ICU knows, on the real locale services: the panels are seeded
// from a fixed clock; each panel's own text is typed back and the box left;
// each hour of the day, as the locale writes it, is typed in, left and
// stepped up and down. Every panel must keep showing the same instant and
// the typed one the time meant. And the clock's texts with seconds, which
// the locale service joins from a minute's parts, are what ICU writes.

#include <gtest/gtest.h>
#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/linux/icu_utf8.h"
#include "platform/linux/locale/time_pattern_rewrite.h"

#include "tests/reliability/locale_round_trip.h"
#include "tests/reliability/real_locale_services.h"

namespace tellux {
namespace {

using testing::MakeTime;
using testing::RealLocaleServices;

TEST(EveryLocale, SeededTextsEveryHourLeavingAndSteppingKeepThePanelsOnTheSameTime) {
  int32_t count = 0;
  const icu::Locale* locales = icu::Locale::getAvailableLocales(count);
  ASSERT_GT(count, 100);
  int passed = 0;
  std::vector<std::string> failed;
  for (int32_t k = 0; k < count; ++k) {
    const std::string name = locales[k].getName();
    RealLocaleServices real(name);
    real.doubles.clock.utc = MakeTime(2003, 6, 15, 14, 35, 20);
    testing::StoreFourPanels(real.doubles.settings);
    frmTime form(real.services());
    try {
      form.Form_Load();
      form.Timer1.Fire();
      const std::string wrong = testing::LocaleRoundTrip(form, real.icuLocale);
      if (wrong.empty()) {
        ++passed;
      } else {
        failed.push_back(name + ": " + wrong);
      }
    } catch (const testing::ProgramEnded&) {
      failed.push_back(name + ": the program ended");
    }
    if (!real.doubles.messages.texts.empty()) {
      failed.push_back(name + ": message \"" + real.doubles.messages.texts[0] + "\"");
    }
  }
  std::printf("%d of %d locales keep their panels on the same time\n", passed, count);
  EXPECT_TRUE(failed.empty()) << ::testing::PrintToString(failed);
}

// The locale's medium time in its readable pattern, formatted in full by ICU
// for every time asked.
class IcuTimeText {
 public:
  explicit IcuTimeText(const icu::Locale& locale)
      : format_(icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale)) {
    auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format_.get());
    if (simple != nullptr) {
      icu::UnicodeString pattern;
      simple->toPattern(pattern);
      const std::u16string readable =
          ReadableTimePattern({pattern.getBuffer(), static_cast<std::size_t>(pattern.length())});
      simple->applyPattern(
          icu::UnicodeString(readable.data(), static_cast<int32_t>(readable.size())));
    }
    if (format_ != nullptr) format_->setTimeZone(*icu::TimeZone::getGMT());
  }
  std::string operator()(int hour, int minute, int second) const {
    if (format_ == nullptr) return "<no format>";
    icu::UnicodeString text;
    format_->format(((hour * 60.0 + minute) * 60.0 + second) * 1000.0, text);
    return Utf8(text);
  }

 private:
  std::unique_ptr<icu::DateFormat> format_;
};

TEST(EveryLocale, TheClocksSecondsReadAsIcuWritesThem) {
  int32_t count = 0;
  const icu::Locale* locales = icu::Locale::getAvailableLocales(count);
  ASSERT_GT(count, 100);
  std::vector<std::string> failed;
  for (int32_t k = 0; k < count; ++k) {
    const std::string name = locales[k].getName();
    IcuLocale locale(name, name);
    const IcuTimeText expected(locales[k]);
    // Seconds ticking over into a new hour, noon and midnight, with the
    // machine's clock and UTC (5:30 apart) taking turns as in the clock.
    for (const int start :
         {9 * 3600 + 59 * 60 + 50, 11 * 3600 + 59 * 60 + 30, 23 * 3600 + 59 * 60 + 30}) {
      for (int tick = 0; tick < 75 && failed.size() < 20; ++tick) {
        for (const int shift : {0, 5 * 3600 + 30 * 60}) {
          const int t = (start + tick + shift) % 86400;
          SYSTEMTIME time{};
          time.wHour = static_cast<std::uint16_t>(t / 3600);
          time.wMinute = static_cast<std::uint16_t>(t / 60 % 60);
          time.wSecond = static_cast<std::uint16_t>(t % 60);
          std::string buffer(255, '\0');
          const int written =
              locale.GetTimeFormatA(kLocaleUserDefault, 0, &time, nullptr, &buffer, 254);
          const std::string got =
              written > 0 ? buffer.substr(0, static_cast<std::size_t>(written) - 1) : "<failed>";
          const std::string want = expected(time.wHour, time.wMinute, time.wSecond);
          if (got != want) failed.push_back(name + ": " + got + " for " + want);
        }
      }
    }
  }
  EXPECT_TRUE(failed.empty()) << ::testing::PrintToString(failed);
}

}  // namespace
}  // namespace tellux
