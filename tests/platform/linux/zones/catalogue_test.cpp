// The zone catalogue a Linux user gets: every Windows zone the mapping knows,
// with today's rules from the system's tz database and names in the user's
// language, shaped so the catalogue load and the machine's zone agree.

#include "platform/linux/zones/catalogue.h"

#include <gtest/gtest.h>
#include <unicode/strenum.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <memory>
#include <set>

#include "platform/linux/tzdb/windows_record_name.h"
#include "platform/linux/zones/windows_zone_map.h"
#include "tests/platform/linux/env_guard.h"
#include "tests/platform/linux/zone_folder.h"

namespace tellux::zoneinfo {
namespace {

using testing::EnvGuard;
using testing::ReadBytes;
using testing::ZoneFolder;

class SystemCatalogue : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    english_ = new TzCatalogue("en_US", "/usr/share/zoneinfo");
    german_ = new TzCatalogue("de_DE", "/usr/share/zoneinfo");
  }
  static void TearDownTestSuite() {
    delete english_;
    delete german_;
  }

  static const TzCatalogueEntry& Entry(const TzCatalogue& c, std::string_view id) {
    const TzCatalogueEntry* e = c.Find(id);
    if (e == nullptr) throw std::runtime_error("no entry " + std::string(id));
    return *e;
  }

  static TzCatalogue* english_;
  static TzCatalogue* german_;
};

TzCatalogue* SystemCatalogue::english_ = nullptr;
TzCatalogue* SystemCatalogue::german_ = nullptr;

TEST_F(SystemCatalogue, HasPacificTimeAsWindowsRecordsIt) {
  const TzCatalogueEntry& pacific = Entry(*english_, "Pacific Standard Time");
  EXPECT_EQ(pacific.zoneName, "America/Los_Angeles");
  EXPECT_EQ(pacific.tzi.Bias, 480);
  EXPECT_EQ(pacific.tzi.DaylightBias, -60);
  EXPECT_EQ(pacific.tzi.DaylightDate.wMonth, 3);
  EXPECT_EQ(pacific.tzi.DaylightDate.wDay, 2);
  EXPECT_EQ(pacific.tzi.DaylightDate.wHour, 2);
  EXPECT_EQ(pacific.tzi.StandardDate.wMonth, 11);
  EXPECT_EQ(pacific.tzi.StandardDate.wDay, 1);
  EXPECT_EQ(pacific.tzi.StandardDate.wHour, 2);
  EXPECT_EQ(pacific.tziBytes, TziBytes(pacific.tzi));
  EXPECT_EQ(pacific.display, "(UTC-08:00) Pacific Time (Los Angeles)");
  EXPECT_EQ(pacific.daylightName, "Pacific Daylight Time");
}

TEST_F(SystemCatalogue, HasSydneysDaylightTimeRunningAcrossTheNewYear) {
  const TzCatalogueEntry& sydney = Entry(*english_, "AUS Eastern Standard Time");
  EXPECT_EQ(sydney.tzi.Bias, -600);
  EXPECT_EQ(sydney.tzi.DaylightBias, -60);
  EXPECT_EQ(sydney.tzi.DaylightDate.wMonth, 10);
  EXPECT_EQ(sydney.tzi.StandardDate.wMonth, 4);
  EXPECT_GT(sydney.tzi.DaylightDate.wMonth, sydney.tzi.StandardDate.wMonth);
}

TEST_F(SystemCatalogue, GivesZonesWithoutDaylightSavingNoDaylightRule) {
  for (const auto& [id, bias] : {std::pair<std::string_view, int>{"India Standard Time", -330},
                                 {"Nepal Standard Time", -345},
                                 {"Tokyo Standard Time", -540}}) {
    const TzCatalogueEntry& e = Entry(*english_, id);
    EXPECT_EQ(e.tzi.Bias, bias) << id;
    EXPECT_EQ(e.tzi.DaylightBias, 0) << id;
    EXPECT_EQ(e.tzi.StandardDate, SYSTEMTIME{}) << id;
    EXPECT_EQ(e.tzi.DaylightDate, SYSTEMTIME{}) << id;
    EXPECT_EQ(e.daylightName, e.standardName) << id;
  }
  EXPECT_EQ(Entry(*english_, "Nepal Standard Time").display.substr(0, 12), "(UTC+05:45) ");
}

TEST_F(SystemCatalogue, SpansTheWorldFromUtcPlus14ToUtcMinus12) {
  const auto& entries = english_->Entries();
  const auto [lowest, highest] = std::minmax_element(
      entries.begin(), entries.end(),
      [](const TzCatalogueEntry& a, const TzCatalogueEntry& b) { return a.tzi.Bias < b.tzi.Bias; });
  EXPECT_EQ(lowest->tzi.Bias, -840);
  EXPECT_EQ(highest->tzi.Bias, 720);
  EXPECT_EQ(Entry(*english_, "UTC").tzi.Bias, 0);
  EXPECT_EQ(Entry(*english_, "UTC").display.substr(0, 12), "(UTC+00:00) ");
}

TEST_F(SystemCatalogue, ServesEveryWindowsZoneOfTheMapping) {
  EXPECT_GE(english_->Entries().size(), 130u);
  EXPECT_TRUE(english_->Unserved().empty());
}

TEST_F(SystemCatalogue, HoldsTheSameZonesAsAskingIcuZoneByZone) {
  std::set<std::string> expected;
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::StringEnumeration> zones(
      icu::TimeZone::createTimeZoneIDEnumeration(UCAL_ZONE_TYPE_CANONICAL, nullptr, nullptr, status));
  ASSERT_TRUE(U_SUCCESS(status));
  while (const icu::UnicodeString* zone = zones->snext(status)) {
    icu::UnicodeString windowsId;
    icu::TimeZone::getWindowsID(*zone, windowsId, status);
    std::string id;
    if (!windowsId.isEmpty()) expected.insert(windowsId.toUTF8String(id));
  }
  std::set<std::string> served;
  for (const TzCatalogueEntry& e : english_->Entries()) {
    served.insert(e.windowsId);
    icu::UnicodeString golden, goldenCanonical, readCanonical;
    icu::TimeZone::getIDForWindowsID(icu::UnicodeString::fromUTF8(e.windowsId), "001", golden,
                                     status);
    icu::TimeZone::getCanonicalID(golden, goldenCanonical, status);
    icu::TimeZone::getCanonicalID(icu::UnicodeString::fromUTF8(e.zoneName), readCanonical, status);
    EXPECT_EQ(goldenCanonical, readCanonical) << e.windowsId;
  }
  for (const std::string& id : english_->Unserved()) served.insert(id);
  EXPECT_EQ(served, expected);
}

void ExpectRegistryShaped(const TzCatalogue& c) {
  std::set<std::string> displays, standards;
  std::string previous;
  for (const TzCatalogueEntry& e : c.Entries()) {
    EXPECT_TRUE(displays.insert(e.display).second) << "Display twice: " << e.display;
    EXPECT_TRUE(standards.insert(e.standardName).second) << "Std twice: " << e.standardName;
    EXPECT_LE(Utf16Length(e.standardName), 31u) << e.standardName;
    EXPECT_LE(Utf16Length(e.daylightName), 31u) << e.daylightName;
    EXPECT_FALSE(e.standardName.empty()) << e.windowsId;
    EXPECT_EQ(e.display.rfind(UtcOffsetPrefix(e.tzi.Bias), 0), 0u) << e.display;
    EXPECT_GT(e.display.size(), 12u) << e.windowsId;
    EXPECT_EQ(e.tziBytes.size(), 44u);
    EXPECT_TRUE(previous.empty() || WindowsIdLess(previous, e.windowsId)) << e.windowsId;
    previous = e.windowsId;
  }
}

TEST_F(SystemCatalogue, KeepsDisplayAndStdUniqueAndStdShortEnoughInEveryLanguage) {
  ExpectRegistryShaped(*english_);
  ExpectRegistryShaped(*german_);
  ExpectRegistryShaped(TzCatalogue("ja_JP", "/usr/share/zoneinfo"));
  ExpectRegistryShaped(TzCatalogue("ar_EG", "/usr/share/zoneinfo"));
}

TEST_F(SystemCatalogue, KeepsIcusStandardNameOnlyWhereItIsTheZonesOwn) {
  // Tokyo alone is called Japan Standard Time; four Windows zones share
  // Central European Standard Time, so each keeps its Windows id.
  EXPECT_EQ(Entry(*english_, "Tokyo Standard Time").standardName, "Japan Standard Time");
  EXPECT_EQ(Entry(*english_, "W. Europe Standard Time").standardName, "W. Europe Standard Time");
  EXPECT_EQ(Entry(*english_, "Romance Standard Time").standardName, "Romance Standard Time");
  EXPECT_EQ(Entry(*english_, "Romance Standard Time").daylightName, "Central European Summer Time");
  // ICU's "Australian Eastern Daylight Time" is one unit too long.
  EXPECT_EQ(Entry(*english_, "AUS Eastern Standard Time").daylightName, "AUS Eastern Daylight Time");
}

TEST_F(SystemCatalogue, NamesZonesInTheUsersLanguage) {
  const TzCatalogueEntry& berlin = Entry(*german_, "W. Europe Standard Time");
  EXPECT_EQ(berlin.display.substr(0, 12), "(UTC+01:00) ");
  EXPECT_NE(berlin.display.find("Berlin"), std::string::npos);
  EXPECT_NE(berlin.display, Entry(*english_, "W. Europe Standard Time").display);
  EXPECT_NE(berlin.daylightName, Entry(*english_, "W. Europe Standard Time").daylightName);
  EXPECT_EQ(german_->LocaleName(), "de_DE");
  // The rules do not depend on the language.
  EXPECT_EQ(berlin.tziBytes, Entry(*english_, "W. Europe Standard Time").tziBytes);
}

TEST_F(SystemCatalogue, FindsWindowsIdsWithoutRegardToCase) {
  ASSERT_NE(english_->Find("pacific STANDARD time"), nullptr);
  EXPECT_EQ(english_->Find("pacific STANDARD time")->windowsId, "Pacific Standard Time");
  EXPECT_EQ(english_->Find("Pacific"), nullptr);
  EXPECT_EQ(english_->Find(""), nullptr);
}

// A folder of a few zones, made with zic: what a user's TZDIR might hold,
// with a wrong offset for India to show whose rules are read.
constexpr std::string_view kFewZones =
    "Rule US 2007 max - Mar Sun>=8 2:00 1:00 D\n"
    "Rule US 2007 max - Nov Sun>=1 2:00 0 S\n"
    "Zone America/Los_Angeles -8:00 US P%sT\n"
    "Zone Asia/Kolkata 5:00 - +05\n";

class FewZones : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Compile(kFewZones));
    folder_.Write("Europe/Berlin", "not a zone file at all");
    folder_.Write("Europe/Paris", "");
    const std::string tokyo = ReadBytes("/usr/share/zoneinfo/Asia/Tokyo");
    ASSERT_GT(tokyo.size(), 60u);
    folder_.Write("Asia/Tokyo", tokyo.substr(0, tokyo.size() - 5));
  }

  static std::vector<std::string> Ids(const TzCatalogue& c) {
    std::vector<std::string> ids;
    for (const TzCatalogueEntry& e : c.Entries()) ids.push_back(e.windowsId);
    return ids;
  }

  ZoneFolder folder_;
};

TEST_F(FewZones, ServesOnlyTheZonesWhoseFilesAreThere) {
  const TzCatalogue c("en_US", folder_.Path());
  EXPECT_EQ(Ids(c), (std::vector<std::string>{"India Standard Time", "Pacific Standard Time"}));
  ExpectRegistryShaped(c);
}

TEST_F(FewZones, ReadsTheRulesOfTheFolderGiven) {
  const TzCatalogue c("en_US", folder_.Path());
  const TzCatalogueEntry* india = c.Find("India Standard Time");
  ASSERT_NE(india, nullptr);
  EXPECT_EQ(india->tzi.Bias, -300);
  EXPECT_EQ(india->display.substr(0, 12), "(UTC+05:00) ");
  // ICU spells the zone Asia/Calcutta; the folder only has Asia/Kolkata.
  EXPECT_EQ(india->zoneName, "Asia/Kolkata");
  EXPECT_EQ(c.ZoneDirectory(), folder_.Path());
}

TEST_F(FewZones, LeavesOutZonesWhoseFilesAreBrokenOrMissing) {
  const TzCatalogue c("en_US", folder_.Path());
  for (std::string_view id : {"W. Europe Standard Time", "Romance Standard Time",
                              "Tokyo Standard Time", "AUS Eastern Standard Time"}) {
    EXPECT_EQ(c.Find(id), nullptr) << id;
    EXPECT_TRUE(std::binary_search(c.Unserved().begin(), c.Unserved().end(), std::string(id),
                                   WindowsIdLess))
        << id;
  }
  EXPECT_EQ(c.Entries().size() + c.Unserved().size(), WindowsZones().size());
}

TEST_F(FewZones, IsFoundThroughTzdir) {
  EnvGuard env;
  env.Set("TZDIR", folder_.Path());
  env.Set("LC_ALL", "en_US.UTF-8");
  const std::unique_ptr<TzCatalogue> c = TzCatalogue::FromEnvironment();
  EXPECT_EQ(c->ZoneDirectory(), folder_.Path());
  EXPECT_EQ(c->LocaleName(), "en_US");
  EXPECT_EQ(Ids(*c), (std::vector<std::string>{"India Standard Time", "Pacific Standard Time"}));
}

TEST(EmptyZoneFolder, GivesAnEmptyCatalogueWithoutFailing) {
  ZoneFolder folder;
  const TzCatalogue c("en_US", folder.Path());
  EXPECT_TRUE(c.Entries().empty());
  EXPECT_FALSE(c.Unserved().empty());
  const TzCatalogue nowhere("en_US", folder.Path() + "/does/not/exist");
  EXPECT_TRUE(nowhere.Entries().empty());
}

TEST(UtcOffsetPrefix, WritesSignHoursAndMinutes) {
  EXPECT_EQ(UtcOffsetPrefix(480), "(UTC-08:00) ");
  EXPECT_EQ(UtcOffsetPrefix(0), "(UTC+00:00) ");
  EXPECT_EQ(UtcOffsetPrefix(-345), "(UTC+05:45) ");
  EXPECT_EQ(UtcOffsetPrefix(-840), "(UTC+14:00) ");
  EXPECT_EQ(UtcOffsetPrefix(210), "(UTC-03:30) ");
}

}  // namespace
}  // namespace tellux::zoneinfo
