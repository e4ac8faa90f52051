// Every zone right all year. The catalogue a Linux user gets, loaded with the
// clock on the 1st or the 15th of any month of this year or the next, puts
// each zone at noon UTC where the C library's own reading of the same zone
// file puts it, and colours it when it is off its standard time. Only days
// near a change of offset are spared: the load dates each change to midnight
// of a Sunday.

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "catalogue/fill_time_zone_lists.h"
#include "platform/linux/zones/catalogue.h"
#include "platform/linux/zones/emulated_registry.h"
#include "tests/doubles/test_services.h"
#include "tests/platform/linux/env_guard.h"
#include "zonetime/calc_time.h"

namespace tellux::zoneinfo {
namespace {

// The C library's offset (seconds east of UTC) of a zone file at t.
long LibcOffset(const std::string& zoneFile, std::time_t t) {
  testing::EnvGuard tz;
  tz.Set("TZ", ":" + zoneFile);
  tzset();
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm.tm_gmtoff;
}

TEST(EveryZoneAllYear, NoonUtcLandsWhereTheTzDatabaseSaysInEveryZoneOnEveryTestDay) {
  const TzCatalogue zoneFiles("en_US", "/usr/share/zoneinfo");
  TzRegistry registry(zoneFiles);
  tellux::testing::TestServices t(tellux::testing::German());
  const Services services{registry, t.clock, t.locale, t.dates, t.settings, t.messages, t.end};
  std::tm today{};
  const std::time_t now = std::time(nullptr);
  gmtime_r(&now, &today);
  int checked = 0, spared = 0;
  for (int year : {today.tm_year + 1900, today.tm_year + 1901}) {
    for (int month = 1; month <= 12; ++month) {
      for (int day : {1, 15}) {
        t.clock.utc = t.clock.local = tellux::testing::MakeTime(year, month, day, 12, 0, 0);
        catalogue::ZoneCatalogue zones;
        OSVERSIONINFO os{};
        TextBox machineZone;
        std::array<ComboBox, 4> lists;
        std::int16_t zeroBiasZone = 0;
        catalogue::CatalogueTargets targets{
            zones, os, machineZone, {&lists[0], &lists[1], &lists[2], &lists[3]}, zeroBiasZone};
        catalogue::FillTimeZoneLists(services, targets);
        ASSERT_EQ(zones.KeyName[static_cast<std::size_t>(zeroBiasZone)], "UTC");
        ASSERT_EQ(zones.Count(), static_cast<int>(zoneFiles.Entries().size()));

        const std::chrono::sys_days date{std::chrono::year{year} / month / day};
        const std::time_t noon = date.time_since_epoch().count() * 86400 + 12 * 3600;
        for (std::size_t k = 1; k < zones.KeyName.size(); ++k) {
          const std::string file = zoneFiles.ZoneDirectory() + "/" +
                                   zoneFiles.Find(zones.KeyName[k])->zoneName;
          const long offset = LibcOffset(file, noon);
          if (LibcOffset(file, noon - 2 * 86400) != offset ||
              LibcOffset(file, noon + 2 * 86400) != offset) {
            ++spared;
            continue;
          }
          ++checked;
          std::int16_t charPos = 0;
          const std::string separator = ":";
          SYSTEMTIME result{};
          zonetime::CalcTime(services, {zones.ZoneRule, separator, charPos}, t.clock.utc, result,
                             zeroBiasZone, static_cast<std::int16_t>(k));
          const std::string where = zones.KeyName[k] + " on " + std::to_string(year) + "-" +
                                    std::to_string(month) + "-" + std::to_string(day);
          EXPECT_EQ(result.wHour * 60 + result.wMinute, ((720 + offset / 60) % 1440 + 1440) % 1440)
              << where;
          EXPECT_EQ(zones.ZoneRule[k].InDaylight != 0, offset / 60 != -zones.ZoneRule[k].Bias)
              << where;
        }
      }
    }
  }
  tzset();
  EXPECT_TRUE(t.messages.texts.empty());
  // Changes of offset are rare: nearly every zone is checked on nearly every day.
  EXPECT_GT(checked, 20 * spared);
}

}  // namespace
}  // namespace tellux::zoneinfo
