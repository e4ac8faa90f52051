// The catalogue load on the machine's own registry: every zone Windows (here
// Wine) lists arrives, sorted by offset, with its rules read correctly, and
// no key is left open.

#include "platform/win32/win32_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "catalogue/fill_time_zone_lists.h"
#include "catalogue/registry_values.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/ole_date_services.h"
#include "platform/win32/registry_settings.h"
#include "tests/doubles/fake_clock.h"
#include "tests/doubles/recording_message_box.h"
#include "tests/doubles/throwing_program_end.h"
#include "zonetime/calc_time.h"

namespace tellux::win32 {
namespace {

class MachineCatalogue : public ::testing::Test {
 protected:
  void Load() {
    catalogue::CatalogueTargets targets{catalogue_, version_, zoneName_, lists_, zeroBiasZone_};
    catalogue::FillTimeZoneLists(services_, targets);
  }

  int Find(std::string_view keyName) const {
    for (int k = 1; k <= catalogue_.Count(); ++k) {
      if (catalogue_.KeyName[static_cast<std::size_t>(k)] == keyName) return k;
    }
    return 0;
  }

  Win32Registry registry_;
  Win32Clock clock_;
  Win32Locale locale_;
  OleDateServices dates_;
  RegistrySettings settings_;
  testing::RecordingMessageBox messages_;
  testing::ThrowingProgramEnd end_;
  Services services_{registry_, clock_, locale_, dates_, settings_, messages_, end_};

  catalogue::ZoneCatalogue catalogue_;
  OSVERSIONINFO version_{};
  TextBox zoneName_;
  std::array<ComboBox, 4> combos_;
  std::array<ComboBox*, 4> lists_{&combos_[0], &combos_[1], &combos_[2], &combos_[3]};
  std::int16_t zeroBiasZone_ = 0;
};

TEST_F(MachineCatalogue, TheSystemSaysItIsWindowsNt) {
  OSVERSIONINFO info{};
  ASSERT_TRUE(registry_.GetVersionExA(info));
  EXPECT_EQ(info.dwPlatformId, kVerPlatformWin32Nt);
  EXPECT_GE(info.dwMajorVersion, 5u);
}

TEST_F(MachineCatalogue, LoadsEveryZoneSortedByOffsetAndClosesItsKeys) {
  Load();
  EXPECT_TRUE(messages_.texts.empty());
  EXPECT_GE(catalogue_.Count(), 100);
  for (const ComboBox& list : combos_) EXPECT_EQ(list.ListCount(), catalogue_.Count());
  EXPECT_TRUE(std::is_sorted(catalogue_.ZoneRule.begin() + 1, catalogue_.ZoneRule.end(),
                             [](const auto& a, const auto& b) { return a.Bias < b.Bias; }));
  for (int k = 1; k <= catalogue_.Count(); ++k) {
    EXPECT_FALSE(catalogue_.DisplayName[static_cast<std::size_t>(k)].empty()) << k;
  }
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

TEST_F(MachineCatalogue, ReadsPacificTimeWithItsDaylightRules) {
  Load();
  const int pacific = Find("Pacific Standard Time");
  ASSERT_NE(pacific, 0);
  const auto& rule = catalogue_.ZoneRule[static_cast<std::size_t>(pacific)];
  EXPECT_EQ(rule.Bias, 480);
  EXPECT_EQ(rule.DaylightBias, -60);
  EXPECT_EQ(rule.DaylightMonth, 3);
  EXPECT_EQ(rule.DaylightWeek, 2);
  EXPECT_EQ(rule.StandardMonth, 11);
  EXPECT_EQ(rule.StandardWeek, 1);
  EXPECT_NE(catalogue_.DisplayName[static_cast<std::size_t>(pacific)].find("Pacific"),
            std::string::npos);
}

TEST_F(MachineCatalogue, ZonesWithoutOffsetAreFound) {
  Load();
  ASSERT_GT(zeroBiasZone_, 0);
  EXPECT_EQ(catalogue_.ZoneRule[static_cast<std::size_t>(zeroBiasZone_)].Bias, 0);
}

TEST_F(MachineCatalogue, LordHoweAndCasablancaInAndOutOfTheirDaylightPeriods) {
  testing::FakeClock day;
  const Services onADay{registry_, day, locale_, dates_, settings_, messages_, end_};
  // Noon UTC in a zone, "hh:mm", and whether its panel is yellow, after a
  // load with the clock on that day of 2027.
  auto noonIn = [&](int month, int date, std::string_view zone) {
    day.utc = day.local = testing::MakeTime(2027, month, date, 12, 0, 0);
    catalogue_ = catalogue::ZoneCatalogue{};
    catalogue::CatalogueTargets targets{catalogue_, version_, zoneName_, lists_, zeroBiasZone_};
    catalogue::FillTimeZoneLists(onADay, targets);
    const auto k = static_cast<std::size_t>(Find(zone));
    std::int16_t charPos = 0;
    const std::string separator = ":";
    SYSTEMTIME result{};
    zonetime::CalcTime(onADay, {catalogue_.ZoneRule, separator, charPos}, day.utc, result,
                       zeroBiasZone_, static_cast<std::int16_t>(k));
    char text[32];
    std::snprintf(text, sizeof text, "%02u:%02u %s", result.wHour % 100u, result.wMinute % 100u,
                  catalogue_.ZoneRule[k].InDaylight != 0 ? "yellow" : "white");
    return std::string(text);
  };
  EXPECT_EQ(noonIn(1, 15, "Lord Howe Standard Time"), "23:00 yellow");  // +11
  EXPECT_EQ(noonIn(6, 15, "Lord Howe Standard Time"), "22:30 white");   // +10:30
  // Windows keeps Morocco as +00 with an hour of daylight saving outside
  // Ramadan, dated year by year under Dynamic DST; its standing record has
  // the last listed year's dates, which would put 20 February 2027 at +01.
  EXPECT_EQ(noonIn(2, 20, "Morocco Standard Time"), "12:00 white");   // Ramadan: +00
  EXPECT_EQ(noonIn(6, 15, "Morocco Standard Time"), "13:00 yellow");  // +01
  EXPECT_EQ(catalogue_.ZoneRule[static_cast<std::size_t>(zeroBiasZone_)].InDaylight, 0);
  EXPECT_TRUE(messages_.texts.empty());
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

class RawRegistry : public ::testing::Test {
 protected:
  RegKey OpenZone(const std::string& name) {
    RegKey key = 0;
    EXPECT_EQ(registry_.RegOpenKeyA(kHkeyLocalMachine,
                                    std::string(catalogue::kNtCataloguePath) + "\\" + name, key),
              kErrorSuccess);
    return key;
  }
  Win32Registry registry_;
};

TEST_F(RawRegistry, EnumerationReportsATooSmallNameBuffer) {
  RegKey zones = 0;
  ASSERT_EQ(registry_.RegOpenKeyExA(kHkeyLocalMachine, catalogue::kNtCataloguePath, 0, kKeyRead,
                                    zones),
            kErrorSuccess);
  std::string name(3, '\0');
  std::string className(10, '\0');
  std::uint32_t nameLength = 3;
  std::uint32_t classLength = 10;
  FILETIME written;
  EXPECT_EQ(registry_.RegEnumKeyExA(zones, 0, name, nameLength, className, classLength, written),
            kErrorMoreData);

  name.assign(300, '\0');
  nameLength = 300;
  ASSERT_EQ(registry_.RegEnumKeyExA(zones, 0, name, nameLength, className, classLength, written),
            kErrorSuccess);
  EXPECT_GT(nameLength, 0u);
  EXPECT_EQ(name[nameLength], '\0');
  EXPECT_EQ(registry_.RegCloseKey(zones), kErrorSuccess);
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

TEST_F(RawRegistry, TextValuesReportTheirSizeThenFitExactly) {
  const RegKey zone = OpenZone("Pacific Standard Time");
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  ASSERT_EQ(registry_.RegQueryValueExA(zone, "Std", type, nullptr, size), kErrorSuccess);
  EXPECT_EQ(type, kRegSz);
  std::string tooSmall(size - 1, ' ');
  std::uint32_t smallSize = size - 1;
  EXPECT_EQ(registry_.RegQueryValueExA(zone, "Std", type, &tooSmall, smallSize), kErrorMoreData);
  EXPECT_EQ(smallSize, size);

  std::string value(size, ' ');
  ASSERT_EQ(registry_.RegQueryValueExA(zone, "Std", type, &value, size), kErrorSuccess);
  EXPECT_EQ(value, std::string("Pacific Standard Time") + '\0');
  registry_.RegCloseKey(zone);
}

TEST_F(RawRegistry, TheRuleRecordIsBinaryAndMissingValuesAreNotFound) {
  const RegKey zone = OpenZone("Pacific Standard Time");
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  ASSERT_EQ(registry_.RegQueryValueExA(zone, "TZI", type, nullptr, size), kErrorSuccess);
  EXPECT_EQ(type, kRegBinary);
  EXPECT_EQ(size, 44u);
  EXPECT_EQ(registry_.RegQueryValueExA(zone, "No such value", type, nullptr, size),
            kErrorFileNotFound);
  registry_.RegCloseKey(zone);
  RegKey missing = 1;
  EXPECT_NE(registry_.RegOpenKeyA(kHkeyLocalMachine, "SOFTWARE\\No\\Such\\Key", missing),
            kErrorSuccess);
  EXPECT_EQ(missing, 0u);
}

}  // namespace
}  // namespace tellux::win32
