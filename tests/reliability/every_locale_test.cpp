// Every locale ICU knows, on the real locale services: the panels are seeded
// from a fixed clock; each panel's own text is typed back and the box left;
// each hour of the day, as the locale writes it, is typed in, left and
// stepped up and down. Every panel must keep showing the same instant and
// the typed one the time meant.

#include <gtest/gtest.h>
#include <unicode/locid.h>

#include <cstdio>
#include <string>
#include <vector>

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

}  // namespace
}  // namespace tellux
