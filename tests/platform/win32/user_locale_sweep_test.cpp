// The every-locale checks on Windows' own locale services, in the user
// locale Wine was started in (LC_ALL); ctest runs this once per locale and
// says which in TELLUX_EXPECTED_LOCALE ("ko_KR"). The seeded texts typed
// back and left, every hour of the day as the locale writes it typed, left
// and stepped: the panels keep showing one instant.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/win32/code_page.h"
#include "platform/win32/ole_date_services.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/windows_api.h"
#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"
#include "tests/reliability/locale_round_trip.h"

namespace tellux::win32 {
namespace {

std::string UserLocaleName() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  ::GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
  return WideToUtf8(name);
}

TEST(UserLocaleSweep, SeededTextsEveryHourLeavingAndSteppingKeepThePanelsOnTheSameTime) {
  const char* expected = std::getenv("TELLUX_EXPECTED_LOCALE");
  ASSERT_NE(expected, nullptr) << "say which locale Wine runs in with TELLUX_EXPECTED_LOCALE";
  std::string name = expected;
  for (char& c : name) c = c == '_' ? '-' : c;
  ASSERT_EQ(UserLocaleName(), name) << "the glibc locale must be generated (scripts/install-deps)";

  testing::TestServices doubles;
  testing::AddSevenZones(doubles.registry);
  doubles.clock.utc = testing::MakeTime(2003, 6, 15, 14, 35, 20);
  testing::StoreFourPanels(doubles.settings);
  Win32Locale locale;
  OleDateServices dates;
  frmTime form({doubles.registry, doubles.clock, locale, dates, doubles.settings, doubles.messages,
                doubles.end});
  form.Form_Load();
  form.Timer1.Fire();
  std::printf("%s: separator \"%s\", AM \"%s\", PM \"%s\", panels \"%s\" \"%s\" \"%s\" \"%s\"\n",
              name.c_str(), form.TimeSeparator.c_str(), form.AmDesignator.c_str(),
              form.PmDesignator.c_str(), form.Text0.Text().c_str(), form.Text1.Text().c_str(),
              form.Text2.Text().c_str(), form.Text3.Text().c_str());
  EXPECT_EQ(testing::LocaleRoundTrip(form, locale), "");
  EXPECT_TRUE(doubles.messages.texts.empty());
}

}  // namespace
}  // namespace tellux::win32
