// The program's own services, as it starts them: built from the environment
// as it stood when the platform was made, whatever the toolkit does to the
// environment afterwards.

#include "platform/linux/linux_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win_types.h"
#include "tests/platform/linux/env_guard.h"
#include "tests/platform/linux/zone_folder.h"

namespace tellux {
namespace {

using zoneinfo::testing::EnvGuard;
using zoneinfo::testing::ReadBytes;
using zoneinfo::testing::ZoneFolder;

std::vector<std::string> CatalogueIds(Registry& registry) {
  RegKey key = 0;
  std::vector<std::string> ids;
  if (registry.RegOpenKeyA(kHkeyLocalMachine, kNtCataloguePath, key) != kErrorSuccess) return ids;
  for (std::uint32_t i = 0;; ++i) {
    std::string name(256, '\0');
    std::string className(256, '\0');
    std::uint32_t nameLength = 256;
    std::uint32_t classLength = 256;
    FILETIME written{};
    if (registry.RegEnumKeyExA(key, i, name, nameLength, className, classLength, written) !=
        kErrorSuccess) {
      break;
    }
    ids.push_back(name.substr(0, nameLength));
  }
  registry.RegCloseKey(key);
  return ids;
}

TEST(LinuxPlatform, ServesTheZoneFolderAndLocaleTheEnvironmentNamedAtItsStart) {
  ZoneFolder folder;
  for (const char* zone : {"Asia/Tokyo", "Europe/Berlin"}) {
    folder.Write(zone, ReadBytes(std::string("/usr/share/zoneinfo/") + zone));
  }
  EnvGuard env;
  env.Set("TZDIR", folder.Path());
  env.Set("LC_ALL", "de_DE.UTF-8");
  const std::vector<std::string> ids = {"Tokyo Standard Time", "W. Europe Standard Time"};
  LinuxPlatform platform;
  // As the toolkit starting meanwhile may change it.
  env.Set("TZDIR", "/nonexistent");
  env.Set("LC_ALL", "en_US.UTF-8");
  const Services services = platform.services();
  EXPECT_EQ(CatalogueIds(services.registry), ids);
  std::string decimal(8, '\0');
  ASSERT_EQ(services.locale.GetLocaleInfoA(kLocaleUserDefault, kLocaleSDecimal, &decimal, 8), 2);
  EXPECT_EQ(decimal.substr(0, 1), ",");
  EXPECT_EQ(services.dates.FormatGeneralDate(45000.5), "15.03.2023 12:00:00");
  EXPECT_EQ(services.dates.ReadGeneralDate("15.03.2023 12:00:00"), 45000.5);
  EXPECT_EQ(services.dates.FormatShortTime(0.75), "18:00");
  SYSTEMTIME afternoon{};
  afternoon.wHour = 14;
  afternoon.wMinute = 35;
  afternoon.wSecond = 20;
  std::string time(16, '\0');
  ASSERT_EQ(services.locale.GetTimeFormatA(kLocaleUserDefault, 0, &afternoon, nullptr, &time, 16),
            9);
  EXPECT_EQ(time.substr(0, 8), "14:35:20");
  const std::string path = std::string(kNtCataloguePath) + "\\Tokyo Standard Time";
  RegKey tokyo = 0;
  ASSERT_EQ(services.registry.RegOpenKeyExA(kHkeyLocalMachine, path, 0, 0, tokyo), kErrorSuccess);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(services.registry.RegQueryValueExA(tokyo, "TZI", type, nullptr, size), kErrorSuccess);
  EXPECT_EQ(size, 44u);
  EXPECT_EQ(services.registry.RegCloseKey(tokyo), kErrorSuccess);
}

TEST(LinuxPlatform, SearchesZonesInTheLanguageTheEnvironmentNamedAtItsStart) {
  ZoneFolder folder;
  folder.Write("Europe/Istanbul", ReadBytes("/usr/share/zoneinfo/Europe/Istanbul"));
  EnvGuard env;
  env.Set("TZDIR", folder.Path());
  env.Set("LC_ALL", "tr_TR.UTF-8");
  LinuxPlatform turkish;
  env.Set("LC_ALL", "en_US.UTF-8");
  LinuxPlatform english;

  // In Turkish I is the capital of ı; in English of i.
  EXPECT_TRUE(turkish.zoneSearch().BeginsWith("Iğdır", "ığ"));
  EXPECT_FALSE(english.zoneSearch().BeginsWith("Iğdır", "ığ"));
  const std::vector<std::string> places = turkish.zoneSearch().PlacesOf("Turkey Standard Time");
  EXPECT_NE(std::find(places.begin(), places.end(), "İstanbul"), places.end());
}

}  // namespace
}  // namespace tellux
