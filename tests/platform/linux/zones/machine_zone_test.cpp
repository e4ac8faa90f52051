// The machine's own zone, found as the C library finds it, and reported so
// that the window picks out the one catalogue entry it belongs to.

#include "platform/linux/zones/machine_zone.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/text.h"
#include "tests/platform/linux/env_guard.h"
#include "tests/platform/linux/zone_folder.h"

namespace tellux::zoneinfo {
namespace {

using testing::EnvGuard;
using testing::ReadBytes;
using testing::ZoneFolder;

std::string Name(const std::array<char16_t, 32>& field) {
  return text::FromUtf16({field.data(), field.size()});
}

class MachineZone : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { catalogue_ = new TzCatalogue("en_US", "/usr/share/zoneinfo"); }
  static void TearDownTestSuite() { delete catalogue_; }

  // The entries whose Std the record's StandardName equals.
  static std::vector<const TzCatalogueEntry*> EntriesNamed(const TIME_ZONE_INFORMATION& info,
                                                           const TzCatalogue& c = *catalogue_) {
    std::vector<const TzCatalogueEntry*> found;
    for (const TzCatalogueEntry& e : c.Entries()) {
      if (e.standardName == Name(info.StandardName)) found.push_back(&e);
    }
    return found;
  }

  MachineZoneMatch FromTz(const std::string& tz) {
    MachineZoneSources sources;
    sources.tz = tz;
    sources.localtimePath = "/nonexistent/localtime";
    return FillMachineZone(*catalogue_, sources, info_);
  }

  MachineZoneMatch FromFiles(const std::string& localtime, const std::string& timezone = "") {
    MachineZoneSources sources;
    sources.localtimePath = localtime;
    sources.timezonePath = timezone.empty() ? "/nonexistent/timezone" : timezone;
    return FillMachineZone(*catalogue_, sources, info_);
  }

  void ExpectEntry(std::string_view windowsId) {
    const std::vector<const TzCatalogueEntry*> named = EntriesNamed(info_);
    ASSERT_EQ(named.size(), 1u) << Name(info_.StandardName);
    EXPECT_EQ(named[0]->windowsId, windowsId);
    EXPECT_EQ(info_.Bias, named[0]->tzi.Bias);
    EXPECT_EQ(Name(info_.DaylightName), named[0]->daylightName);
  }

  static TzCatalogue* catalogue_;
  TIME_ZONE_INFORMATION info_;
};

TzCatalogue* MachineZone::catalogue_ = nullptr;

TEST_F(MachineZone, NewYorkInTzIsTheEasternEntry) {
  EXPECT_EQ(FromTz("America/New_York"), MachineZoneMatch::kWindowsZone);
  ExpectEntry("Eastern Standard Time");
  EXPECT_EQ(info_.Bias, 300);
  EXPECT_EQ(info_.StandardBias, 0);
  EXPECT_EQ(info_.DaylightBias, -60);
  EXPECT_EQ(info_.DaylightDate.wMonth, 3);
  EXPECT_EQ(info_.StandardDate.wMonth, 11);
  // The name is NUL-padded to the end of the field.
  const std::size_t length = text::ToUtf16(Name(info_.StandardName)).size();
  for (std::size_t k = length; k < info_.StandardName.size(); ++k) {
    EXPECT_EQ(info_.StandardName[k], u'\0');
  }
}

TEST_F(MachineZone, AcceptsTheColonFormAndAliases) {
  EXPECT_EQ(FromTz(":America/New_York"), MachineZoneMatch::kWindowsZone);
  ExpectEntry("Eastern Standard Time");
  EXPECT_EQ(FromTz("US/Pacific"), MachineZoneMatch::kWindowsZone);
  ExpectEntry("Pacific Standard Time");
  EXPECT_EQ(FromTz("/usr/share/zoneinfo/Asia/Tokyo"), MachineZoneMatch::kWindowsZone);
  ExpectEntry("Tokyo Standard Time");
  // Vienna has no entry of its own; Windows counts it to Berlin's.
  EXPECT_EQ(FromTz("Europe/Vienna"), MachineZoneMatch::kWindowsZone);
  ExpectEntry("W. Europe Standard Time");
}

TEST_F(MachineZone, UtcIsTheUtcEntry) {
  for (const char* tz : {"UTC", "Etc/UTC", ":Etc/UTC", "", "UTC0"}) {
    EXPECT_EQ(FromTz(tz), MachineZoneMatch::kWindowsZone) << tz;
    ExpectEntry("UTC");
  }
}

TEST_F(MachineZone, TakesAPosixRuleForTheEntryWithTheSameRule) {
  EXPECT_EQ(FromTz("<+0530>-5:30"), MachineZoneMatch::kSameRule);
  const std::vector<const TzCatalogueEntry*> named = EntriesNamed(info_);
  ASSERT_EQ(named.size(), 1u);
  EXPECT_EQ(named[0]->tzi.Bias, -330);
  EXPECT_EQ(info_.Bias, -330);

  EXPECT_EQ(FromTz("AAA5BBB,M3.2.0,M11.1.0"), MachineZoneMatch::kSameRule);
  EXPECT_EQ(info_.Bias, 300);
  EXPECT_EQ(info_.DaylightBias, -60);
  ASSERT_EQ(EntriesNamed(info_).size(), 1u);
  EXPECT_EQ(EntriesNamed(info_)[0]->tziBytes, catalogue_->Find("Eastern Standard Time")->tziBytes);
}

TEST_F(MachineZone, DescribesAZoneLikeNoEntryInItsOwnNames) {
  EXPECT_EQ(FromTz("<+0317>-3:17<+0417>,M3.2.0,M11.1.0"), MachineZoneMatch::kOwnRule);
  EXPECT_EQ(info_.Bias, -197);
  EXPECT_EQ(info_.DaylightBias, -60);
  EXPECT_EQ(info_.DaylightDate.wMonth, 3);
  EXPECT_EQ(Name(info_.StandardName), "+0317");
  EXPECT_EQ(Name(info_.DaylightName), "+0417");
  EXPECT_TRUE(EntriesNamed(info_).empty());

  // Troll station has no Windows zone and a two-hour daylight saving time.
  EXPECT_EQ(FromTz("Antarctica/Troll"), MachineZoneMatch::kOwnRule);
  EXPECT_EQ(info_.Bias, 0);
  EXPECT_EQ(info_.DaylightBias, -120);
  EXPECT_FALSE(Name(info_.StandardName).empty());
  EXPECT_TRUE(EntriesNamed(info_).empty());
}

TEST_F(MachineZone, RunsOnUtcWhenTzCannotBeRead) {
  for (const char* tz : {":Nowhere/City", "Nowhere/City!", "123"}) {
    EXPECT_EQ(FromTz(tz), MachineZoneMatch::kWindowsZone) << tz;
    ExpectEntry("UTC");
  }
}

TEST_F(MachineZone, FollowsTheLocaltimeLinkIntoTheZoneFolder) {
  ZoneFolder scratch;
  const std::string link = scratch.Path() + "/localtime";
  ASSERT_EQ(symlink("/usr/share/zoneinfo/Australia/Sydney", link.c_str()), 0);
  EXPECT_EQ(FromFiles(link), MachineZoneMatch::kWindowsZone);
  ExpectEntry("AUS Eastern Standard Time");

  const std::string posixLink = scratch.Path() + "/localtime-posix";
  ASSERT_EQ(symlink("/usr/share/zoneinfo/posix/Europe/Paris", posixLink.c_str()), 0);
  EXPECT_EQ(FromFiles(posixLink), MachineZoneMatch::kWindowsZone);
  ExpectEntry("Romance Standard Time");
}

TEST_F(MachineZone, FollowsARelativeLinkIntoTheCataloguesFolder) {
  ZoneFolder zones;
  ASSERT_TRUE(zones.Compile("Zone Asia/Kolkata 5:30 - IST\nZone Asia/Tokyo 9:00 - JST\n"));
  const TzCatalogue catalogue("en_US", zones.Path());
  std::filesystem::create_directories(zones.Path() + "/etc");
  const std::string link = zones.Path() + "/etc/localtime";
  ASSERT_EQ(symlink("../Asia/Tokyo", link.c_str()), 0);
  MachineZoneSources sources;
  sources.localtimePath = link;
  EXPECT_EQ(FillMachineZone(catalogue, sources, info_), MachineZoneMatch::kWindowsZone);
  ASSERT_EQ(EntriesNamed(info_, catalogue).size(), 1u);
  EXPECT_EQ(EntriesNamed(info_, catalogue)[0]->windowsId, "Tokyo Standard Time");
}

// Image-based systems: /etc/localtime -> /etc/writable/localtime -> the zone.
// Berlin's rule is Budapest's too, so only the name tells them apart.
TEST_F(MachineZone, FollowsAChainOfLinksToTheZonesName) {
  ZoneFolder scratch;
  std::filesystem::create_directories(scratch.Path() + "/etc/writable");
  const std::string writable = scratch.Path() + "/etc/writable/localtime";
  ASSERT_EQ(symlink("/usr/share/zoneinfo/Europe/Berlin", writable.c_str()), 0);
  const std::string link = scratch.Path() + "/etc/localtime";
  ASSERT_EQ(symlink("writable/localtime", link.c_str()), 0);
  EXPECT_EQ(FromFiles(link), MachineZoneMatch::kWindowsZone);
  ExpectEntry("W. Europe Standard Time");
}

TEST_F(MachineZone, NamesACopiedZoneFileByEtcTimezone) {
  ZoneFolder scratch;
  scratch.Write("localtime", ReadBytes("/usr/share/zoneinfo/Asia/Tokyo"));
  scratch.Write("timezone", "Asia/Tokyo\n");
  EXPECT_EQ(FromFiles(scratch.Path() + "/localtime", scratch.Path() + "/timezone"),
            MachineZoneMatch::kWindowsZone);
  ExpectEntry("Tokyo Standard Time");
}

TEST_F(MachineZone, RecognisesACopiedZoneFileByItsBytesWhenEtcTimezoneIsStale) {
  ZoneFolder scratch;
  scratch.Write("localtime", ReadBytes("/usr/share/zoneinfo/America/Los_Angeles"));
  scratch.Write("timezone", "Europe/Paris\n");
  EXPECT_EQ(FromFiles(scratch.Path() + "/localtime", scratch.Path() + "/timezone"),
            MachineZoneMatch::kWindowsZone);
  ExpectEntry("Pacific Standard Time");
}

TEST_F(MachineZone, MatchesACopyOfAnUnknownFileByItsRule) {
  ZoneFolder scratch;
  scratch.Write("localtime", ReadBytes("/usr/share/zoneinfo/Europe/Vienna"));
  EXPECT_EQ(FromFiles(scratch.Path() + "/localtime"), MachineZoneMatch::kSameRule);
  ASSERT_EQ(EntriesNamed(info_).size(), 1u);
  EXPECT_EQ(info_.Bias, -60);
  EXPECT_EQ(info_.DaylightBias, -60);
  EXPECT_EQ(EntriesNamed(info_)[0]->tziBytes, catalogue_->Find("W. Europe Standard Time")->tziBytes);
}

TEST_F(MachineZone, RunsOnUtcWithoutAUsableLocaltime) {
  EXPECT_EQ(FromFiles("/nonexistent/localtime"), MachineZoneMatch::kWindowsZone);
  ExpectEntry("UTC");
  ZoneFolder scratch;
  scratch.Write("localtime", "garbage");
  EXPECT_EQ(FromFiles(scratch.Path() + "/localtime"), MachineZoneMatch::kWindowsZone);
  ExpectEntry("UTC");
}

TEST(MachineZoneSources, ComeFromTheTzVariable) {
  EnvGuard env;
  env.Set("TZ", "Asia/Tokyo");
  EXPECT_EQ(MachineZoneSourcesFromEnvironment().tz, "Asia/Tokyo");
  env.Set("TZ", "");
  EXPECT_EQ(MachineZoneSourcesFromEnvironment().tz, "");
  env.Set("TZ", std::nullopt);
  EXPECT_FALSE(MachineZoneSourcesFromEnvironment().tz.has_value());
  EXPECT_EQ(MachineZoneSourcesFromEnvironment().localtimePath, "/etc/localtime");
}

}  // namespace
}  // namespace tellux::zoneinfo
