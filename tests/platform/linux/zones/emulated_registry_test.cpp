// The registry view the catalogue load reads on Linux: the Windows NT zone
// catalogue key, its zone subkeys and their four values, with the buffer
// rules of the Windows calls.

#include "platform/linux/zones/emulated_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tellux::zoneinfo {

// Handles currently open, to see that callers close what they open.
struct TzRegistryProbe {
  static std::size_t OpenHandleCount(const TzRegistry& registry) { return registry.open_.size(); }
};

namespace {

const std::string kPath = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

class TzRegistryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { catalogue_ = new TzCatalogue("en_US", "/usr/share/zoneinfo"); }
  static void TearDownTestSuite() { delete catalogue_; }

  RegKey Open(const std::string& subKey, RegKey root = kHkeyLocalMachine) {
    RegKey key = 0;
    EXPECT_EQ(registry_.RegOpenKeyA(root, subKey, key), kErrorSuccess) << subKey;
    return key;
  }

  // Reads a value as the catalogue load does: its size, then its data.
  std::string Value(RegKey key, const std::string& name, std::uint32_t& type) {
    std::uint32_t size = 0;
    EXPECT_EQ(registry_.RegQueryValueExA(key, name, type, nullptr, size), kErrorSuccess) << name;
    std::string data(size, ' ');
    std::uint32_t dataType = 0;
    EXPECT_EQ(registry_.RegQueryValueExA(key, name, dataType, &data, size), kErrorSuccess) << name;
    EXPECT_EQ(dataType, type);
    EXPECT_EQ(size, data.size());
    return data;
  }

  static TzCatalogue* catalogue_;
  TzRegistry registry_{*catalogue_};
};

TzCatalogue* TzRegistryTest::catalogue_ = nullptr;

TEST_F(TzRegistryTest, ReportsWindowsNt10) {
  OSVERSIONINFO info;
  info.dwOSVersionInfoSize = 148;
  ASSERT_TRUE(registry_.GetVersionExA(info));
  EXPECT_EQ(info.dwPlatformId, kVerPlatformWin32Nt);
  EXPECT_EQ(info.dwMajorVersion, 10u);
  EXPECT_EQ(info.dwMinorVersion, 0u);

  OSVERSIONINFO unsized;
  unsized.dwMajorVersion = 77;
  EXPECT_FALSE(registry_.GetVersionExA(unsized));
  EXPECT_EQ(unsized.dwMajorVersion, 77u);
  EXPECT_EQ(unsized.dwPlatformId, 0u);
}

TEST_F(TzRegistryTest, OpensTheCatalogueKeyWhateverTheCase) {
  RegKey key = 0;
  ASSERT_EQ(registry_.RegOpenKeyExA(kHkeyLocalMachine, kPath, 0, kKeyRead, key), kErrorSuccess);
  EXPECT_NE(key, 0u);
  RegKey lower = 0;
  EXPECT_EQ(registry_.RegOpenKeyExA(kHkeyLocalMachine,
                                    "software\\microsoft\\windows nt\\currentversion\\time zones",
                                    0, kKeyRead, lower),
            kErrorSuccess);
  EXPECT_NE(lower, key);
  EXPECT_EQ(registry_.RegCloseKey(key), kErrorSuccess);
  EXPECT_EQ(registry_.RegCloseKey(lower), kErrorSuccess);
}

TEST_F(TzRegistryTest, FindsNoOtherKey) {
  for (const std::string& other :
       {std::string("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Time Zones"),
        std::string("SOFTWARE"), std::string("SOFTWARE\\Microsoft"), kPath + "\\",
        kPath + "\\Atlantis Standard Time", kPath + "\\UTC\\Dynamic DST",
        kPath + "\\Morocco Standard Time\\Dynamic DST\\2027", kPath + "\\UTC\\",
        kPath + "X", std::string("\\") + kPath}) {
    RegKey key = 12345;
    EXPECT_EQ(registry_.RegOpenKeyExA(kHkeyLocalMachine, other, 0, kKeyRead, key),
              kErrorFileNotFound)
        << other;
    EXPECT_EQ(key, 0u) << other;
  }
  RegKey key = 12345;
  EXPECT_EQ(registry_.RegOpenKeyA(kHkeyCurrentUser, kPath, key), kErrorFileNotFound);
  EXPECT_EQ(key, 0u);
  EXPECT_EQ(TzRegistryProbe::OpenHandleCount(registry_), 0u);
}

TEST_F(TzRegistryTest, OpensZoneKeysByFullPathOrBelowTheCatalogueKey) {
  const RegKey byPath = Open(kPath + "\\Pacific Standard Time");
  const RegKey catalogue = Open(kPath);
  const RegKey below = Open("pacific standard time", catalogue);
  std::uint32_t type = 0;
  EXPECT_EQ(Value(byPath, "Std", type), Value(below, "Std", type));
  RegKey none = 99;
  EXPECT_EQ(registry_.RegOpenKeyA(byPath, "Anything", none), kErrorFileNotFound);
  EXPECT_EQ(none, 0u);
  // A zone's rules of single years, by path or below its key.
  const RegKey morocco = Open("Morocco Standard Time", catalogue);
  const RegKey years = Open(kPath + "\\Morocco Standard Time\\Dynamic DST");
  const RegKey yearsBelow = Open("dynamic dst", morocco);
  const YearRecord& first = catalogue_->Find("Morocco Standard Time")->yearRecords.at(0);
  EXPECT_EQ(Value(years, std::to_string(first.year), type), TziBytes(first.tzi));
  EXPECT_EQ(type, kRegBinary);
  EXPECT_EQ(Value(yearsBelow, "2027", type), Value(years, "2027", type));
  for (RegKey k : {byPath, catalogue, below, morocco, years, yearsBelow}) {
    EXPECT_EQ(registry_.RegCloseKey(k), kErrorSuccess);
  }
}

TEST_F(TzRegistryTest, EnumeratesEveryZoneInCatalogueOrderThenSaysNoMore) {
  const RegKey key = Open(kPath);
  const auto& entries = catalogue_->Entries();
  ASSERT_FALSE(entries.empty());
  for (std::uint32_t i = 0;; ++i) {
    std::string name(2000, '\0');
    std::string className(2000, '\0');
    std::uint32_t nameLength = 2000;
    std::uint32_t classLength = 2000;
    FILETIME written;
    const long result =
        registry_.RegEnumKeyExA(key, i, name, nameLength, className, classLength, written);
    if (i == entries.size()) {
      EXPECT_EQ(result, kErrorNoMoreItems);
      break;
    }
    ASSERT_EQ(result, kErrorSuccess) << i;
    EXPECT_EQ(nameLength, entries[i].windowsId.size());
    EXPECT_EQ(name.substr(0, nameLength + 1), entries[i].windowsId + '\0');
    EXPECT_EQ(name.size(), 2000u);
    EXPECT_EQ(classLength, 0u);
  }
  // A zone key has no subkeys.
  const RegKey zone = Open(kPath + "\\UTC");
  std::string name(100, '\0'), className(100, '\0');
  std::uint32_t nameLength = 100, classLength = 100;
  FILETIME written;
  EXPECT_EQ(registry_.RegEnumKeyExA(zone, 0, name, nameLength, className, classLength, written),
            kErrorNoMoreItems);
  registry_.RegCloseKey(zone);
  registry_.RegCloseKey(key);
}

TEST_F(TzRegistryTest, SaysWhenANameBufferIsTooSmall) {
  const RegKey key = Open(kPath);
  const std::string& first = catalogue_->Entries().front().windowsId;
  std::string className(10, '\0');
  std::uint32_t classLength = 10;
  FILETIME written;

  // Room for the name but not its NUL.
  std::string name(first.size(), 'x');
  std::uint32_t nameLength = static_cast<std::uint32_t>(first.size());
  EXPECT_EQ(registry_.RegEnumKeyExA(key, 0, name, nameLength, className, classLength, written),
            kErrorMoreData);
  EXPECT_EQ(name, std::string(first.size(), 'x'));

  // A length larger than the buffer itself does not make it larger.
  nameLength = 2000;
  EXPECT_EQ(registry_.RegEnumKeyExA(key, 0, name, nameLength, className, classLength, written),
            kErrorMoreData);
  EXPECT_EQ(name.size(), first.size());

  name.assign(first.size() + 1, 'x');
  nameLength = static_cast<std::uint32_t>(name.size());
  EXPECT_EQ(registry_.RegEnumKeyExA(key, 0, name, nameLength, className, classLength, written),
            kErrorSuccess);
  EXPECT_EQ(name, first + '\0');
  registry_.RegCloseKey(key);
}

TEST_F(TzRegistryTest, ServesTheFourValuesOfAZone) {
  const TzCatalogueEntry& pacific = *catalogue_->Find("Pacific Standard Time");
  const RegKey key = Open(kPath + "\\Pacific Standard Time");
  std::uint32_t type = 0;
  EXPECT_EQ(Value(key, "Display", type), pacific.display + '\0');
  EXPECT_EQ(type, kRegSz);
  EXPECT_EQ(Value(key, "Std", type), pacific.standardName + '\0');
  EXPECT_EQ(type, kRegSz);
  EXPECT_EQ(Value(key, "dlt", type), pacific.daylightName + '\0');
  EXPECT_EQ(type, kRegSz);
  const std::string tzi = Value(key, "TZI", type);
  EXPECT_EQ(type, kRegBinary);
  ASSERT_EQ(tzi.size(), 44u);
  EXPECT_EQ(tzi, pacific.tziBytes);
  // Bias 480 = 0x1E0, as the catalogue load reads it from the first bytes.
  EXPECT_EQ(static_cast<unsigned char>(tzi[0]) + 256 * static_cast<unsigned char>(tzi[1]), 480);
  registry_.RegCloseKey(key);
}

TEST_F(TzRegistryTest, ServesEachZoneItsOwnValuesHoweverTheOpensAlternate) {
  // As the load does (one zone's key five times), then back and forth, in
  // other cases, and past names that are no zone.
  const std::string pacific = catalogue_->Find("Pacific Standard Time")->display + '\0';
  const std::string tokyo = catalogue_->Find("Tokyo Standard Time")->display + '\0';
  const std::vector<std::pair<std::string, const std::string*>> opens = {
      {"Pacific Standard Time", &pacific}, {"Pacific Standard Time", &pacific},
      {"Tokyo Standard Time", &tokyo},     {"PACIFIC standard time", &pacific},
      {"Pacific Standard Tim", nullptr},   {"Tokyo Standard Time", &tokyo},
      {"Tokyo Standard Times", nullptr},   {"tokyo standard time", &tokyo}};
  for (const auto& [zone, display] : opens) {
    SCOPED_TRACE(zone);
    RegKey key = 0;
    const long opened = registry_.RegOpenKeyA(kHkeyLocalMachine, kPath + "\\" + zone, key);
    if (display == nullptr) {
      EXPECT_EQ(opened, kErrorFileNotFound);
      continue;
    }
    ASSERT_EQ(opened, kErrorSuccess);
    std::uint32_t type = 0;
    EXPECT_EQ(Value(key, "Display", type), *display);
    registry_.RegCloseKey(key);
  }
}

TEST_F(TzRegistryTest, CountsTheNulInAStringsSizeAndSaysWhenDataDoesNotFit) {
  const TzCatalogueEntry& utc = *catalogue_->Find("UTC");
  const RegKey key = Open(kPath + "\\UTC");
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  ASSERT_EQ(registry_.RegQueryValueExA(key, "Std", type, nullptr, size), kErrorSuccess);
  EXPECT_EQ(size, utc.standardName.size() + 1);

  std::string small(size - 1, '#');
  std::uint32_t smallSize = size - 1;
  EXPECT_EQ(registry_.RegQueryValueExA(key, "Std", type, &small, smallSize), kErrorMoreData);
  EXPECT_EQ(smallSize, size);
  EXPECT_EQ(small, std::string(size - 1, '#'));

  std::string roomy(100, '#');
  std::uint32_t roomySize = 100;
  ASSERT_EQ(registry_.RegQueryValueExA(key, "Std", type, &roomy, roomySize), kErrorSuccess);
  EXPECT_EQ(roomySize, size);
  EXPECT_EQ(roomy.substr(0, size), utc.standardName + '\0');
  EXPECT_EQ(roomy.size(), 100u);
  EXPECT_EQ(roomy[size], '#');

  std::string tzi(43, '\0');
  std::uint32_t tziSize = 43;
  EXPECT_EQ(registry_.RegQueryValueExA(key, "TZI", type, &tzi, tziSize), kErrorMoreData);
  EXPECT_EQ(tziSize, 44u);
  EXPECT_EQ(type, kRegBinary);
  registry_.RegCloseKey(key);
}

TEST_F(TzRegistryTest, FindsNoOtherValue) {
  const RegKey zone = Open(kPath + "\\UTC");
  const RegKey catalogue = Open(kPath);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  for (const char* name : {"MUI_Std", "", "TZI ", "Display\\"}) {
    EXPECT_EQ(registry_.RegQueryValueExA(zone, name, type, nullptr, size), kErrorFileNotFound)
        << name;
  }
  EXPECT_EQ(registry_.RegQueryValueExA(catalogue, "Std", type, nullptr, size), kErrorFileNotFound);
  EXPECT_EQ(registry_.RegQueryValueExA(kHkeyLocalMachine, "Std", type, nullptr, size),
            kErrorFileNotFound);
  registry_.RegCloseKey(zone);
  registry_.RegCloseKey(catalogue);
}

TEST_F(TzRegistryTest, TracksItsHandlesAndRefusesOthers) {
  const RegKey a = Open(kPath);
  const RegKey b = Open(kPath + "\\UTC");
  EXPECT_EQ(TzRegistryProbe::OpenHandleCount(registry_), 2u);
  EXPECT_EQ(registry_.RegCloseKey(b), kErrorSuccess);
  EXPECT_NE(registry_.RegCloseKey(b), kErrorSuccess);
  EXPECT_NE(registry_.RegCloseKey(0), kErrorSuccess);
  EXPECT_NE(registry_.RegCloseKey(0xDEADBEEF), kErrorSuccess);
  EXPECT_EQ(registry_.RegCloseKey(kHkeyLocalMachine), kErrorSuccess);

  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_NE(registry_.RegQueryValueExA(b, "Std", type, nullptr, size), kErrorSuccess);
  RegKey key = 7;
  EXPECT_NE(registry_.RegOpenKeyA(b, "", key), kErrorSuccess);
  EXPECT_EQ(key, 0u);
  std::string name(10, '\0'), className(10, '\0');
  std::uint32_t nameLength = 10, classLength = 10;
  FILETIME written;
  EXPECT_NE(registry_.RegEnumKeyExA(b, 0, name, nameLength, className, classLength, written),
            kErrorSuccess);

  // An empty subkey opens the same key again, under a handle of its own
  // that outlives the first.
  const RegKey again = Open("", a);
  EXPECT_NE(again, a);
  EXPECT_EQ(registry_.RegCloseKey(a), kErrorSuccess);
  std::string roomy(100, '\0');
  nameLength = 100;
  EXPECT_EQ(registry_.RegEnumKeyExA(again, 0, roomy, nameLength, className, classLength, written),
            kErrorSuccess);
  EXPECT_EQ(registry_.RegCloseKey(again), kErrorSuccess);
  EXPECT_EQ(TzRegistryProbe::OpenHandleCount(registry_), 0u);
}

TEST_F(TzRegistryTest, GivesTheWholeCatalogueToALoadThatReadsItAsWindowsWould) {
  OSVERSIONINFO version;
  version.dwOSVersionInfoSize = 148;
  ASSERT_TRUE(registry_.GetVersionExA(version));
  const RegKey catalogue = Open(kPath);
  std::size_t zones = 0;
  for (std::uint32_t i = 0;; ++i) {
    std::string name(2000, '\0'), className(2000, '\0');
    std::uint32_t nameLength = 2000, classLength = 2000;
    FILETIME written;
    if (registry_.RegEnumKeyExA(catalogue, i, name, nameLength, className, classLength, written) !=
        kErrorSuccess) {
      break;
    }
    const std::string id = name.substr(0, name.find('\0'));
    const RegKey zone = Open(kPath + "\\" + id);
    std::uint32_t type = 0;
    const std::string standard = Value(zone, "Std", type);
    const std::string tzi = Value(zone, "TZI", type);
    EXPECT_EQ(standard.substr(0, standard.size() - 1), catalogue_->Find(id)->standardName);
    EXPECT_EQ(tzi.size(), 44u);
    EXPECT_EQ(registry_.RegCloseKey(zone), kErrorSuccess);
    ++zones;
  }
  EXPECT_EQ(zones, catalogue_->Entries().size());
  EXPECT_EQ(registry_.RegCloseKey(catalogue), kErrorSuccess);
  EXPECT_EQ(TzRegistryProbe::OpenHandleCount(registry_), 0u);
}

}  // namespace
}  // namespace tellux::zoneinfo
