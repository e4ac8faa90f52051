#pragma once
// The window on the real ICU locale and date services for one locale, with
// the test doubles for everything else: the seven-zone catalogue, a clock
// the test sets, settings in memory.

#include <memory>
#include <string>

#include "platform/linux/locale/icu_date_services.h"
#include "platform/linux/locale/icu_locale.h"
#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"
#include "window/frm_time.h"

namespace tellux::testing {

struct RealLocaleServices {
  explicit RealLocaleServices(const std::string& locale) : icuLocale(locale, locale), icuDates(locale) {
    AddSevenZones(doubles.registry);
  }
  Services services() {
    return {doubles.registry, doubles.clock, icuLocale, icuDates, doubles.settings, doubles.messages,
            doubles.end};
  }

  TestServices doubles;
  IcuLocale icuLocale;
  IcuDateServices icuDates;
};

}  // namespace tellux::testing
