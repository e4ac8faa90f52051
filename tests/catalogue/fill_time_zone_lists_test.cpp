#include "catalogue/fill_time_zone_lists.h"

#include <gtest/gtest.h>

#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"

namespace tellux::catalogue {
namespace {

using testing::FakeRegistry;
using testing::TestServices;

// The lists and the machine-zone box the load fills, with a count of the
// clicks each list raised.
class CatalogueLoad : public ::testing::Test {
 protected:
  CatalogueLoad() {
    t.clock.local = testing::MakeTime(2003, 6, 15, 12, 0);
    for (std::size_t i = 0; i < 4; ++i) lists[i].Click = [this, i] { ++clicks[i]; };
  }

  void Load() {
    CatalogueTargets targets{zones, os, txtTZName, {&lists[0], &lists[1], &lists[2], &lists[3]},
                             zeroBiasZone};
    FillTimeZoneLists(t.services(), targets);
  }

  void Add(const std::string& key, std::int32_t bias, const std::string& std = "") {
    t.registry.AddZone({key, "(" + key + ")", std.empty() ? key + " Std" : std, key + " Dlt",
                        FakeRegistry::MakeTzi(bias)});
  }

  TestServices t;
  ZoneCatalogue zones;
  OSVERSIONINFO os{};
  TextBox txtTZName;
  std::array<ComboBox, 4> lists;
  std::array<int, 4> clicks{};
  std::int16_t zeroBiasZone = 0;
};

TEST_F(CatalogueLoad, SortsByBiasKeepingTheSystemsOrderForEqualOffsets) {
  Add("A", 0);
  Add("B", -60);
  Add("C", 0);
  Load();
  EXPECT_EQ(lists[0].Items(), (std::vector<std::string>{"(B)", "(A)", "(C)"}));
  EXPECT_EQ(lists[3].Items(), lists[0].Items());
  EXPECT_EQ(zones.KeyName, (std::vector<std::string>{"", "B", "A", "C"}));
  EXPECT_EQ(zeroBiasZone, 3);
  EXPECT_EQ(zones.ZoneRule[0].Bias, 0);
  EXPECT_EQ(zones.KeyName[0], "");
}

TEST_F(CatalogueLoad, RunsFromFurthestEastToFurthestWest) {
  testing::AddSevenZones(t.registry);
  Load();
  ASSERT_EQ(zones.Count(), 7);
  for (int k = 1; k < 7; ++k) EXPECT_LE(zones.ZoneRule[k].Bias, zones.ZoneRule[k + 1].Bias);
  EXPECT_EQ(zones.KeyName[1], "India");
  EXPECT_EQ(zones.KeyName[7], "Pacific");
  EXPECT_EQ(zones.KeyName[static_cast<std::size_t>(zeroBiasZone)], "Greenwich");
}

TEST_F(CatalogueLoad, PreselectsTheMachineZoneAndTheThreeAmericanZones) {
  testing::AddSevenZones(t.registry);
  txtTZName.SetText("W. Europe Standard Time");
  Load();
  EXPECT_EQ(lists[0].Text(), "(GMT+01:00) Berlin");
  EXPECT_EQ(lists[1].Text(), "(GMT-08:00) Pacific Time");
  EXPECT_EQ(lists[2].Text(), "(GMT-06:00) Central Time");
  EXPECT_EQ(lists[3].Text(), "(GMT-05:00) Eastern Time");
  EXPECT_EQ(clicks, (std::array<int, 4>{1, 1, 1, 1}));
}

TEST_F(CatalogueLoad, ListsWithoutAMatchFallBackToTheirFirstItem) {
  Add("Pacific Standard Time", 480);
  Add("Central Standard Time", 360);
  Add("US Eastern", 300);
  txtTZName.SetText("Nowhere Standard Time");
  Load();
  for (const ComboBox& list : lists) EXPECT_EQ(list.ListIndex(), 0);
}

TEST_F(CatalogueLoad, TheLastMatchingEntryWins) {
  Add("X", 60, "Same Std");
  Add("Y", 120, "Same Std");
  txtTZName.SetText("Same Std");
  Load();
  EXPECT_EQ(lists[0].ListIndex(), 1);
  EXPECT_EQ(clicks[0], 2);
}

TEST_F(CatalogueLoad, NamesCompareExactlyAndCaseSensitively) {
  Add("pacific", 480);
  Add("Eastern", 500);
  txtTZName.SetText("eastern Std");
  Load();
  EXPECT_EQ(lists[0].ListIndex(), 0);
  EXPECT_EQ(lists[1].ListIndex(), 0);
  EXPECT_EQ(lists[3].ListIndex(), 1);
}

TEST_F(CatalogueLoad, AnEmptyCatalogueLeavesEmptyListsWithoutSelection) {
  Load();
  for (const ComboBox& list : lists) {
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
  }
  EXPECT_EQ(zeroBiasZone, 0);
  EXPECT_TRUE(t.messages.texts.empty());
}

TEST_F(CatalogueLoad, AMissingCatalogueIsReportedAndLeavesTheListsEmpty) {
  testing::AddSevenZones(t.registry);
  t.registry.catalogueMissing = true;
  zeroBiasZone = 9;
  Load();
  ASSERT_EQ(t.messages.texts.size(), 1u);
  EXPECT_EQ(t.messages.texts[0], "Can't find Timezone information in registry");
  EXPECT_EQ(t.messages.captions[0], "Tellux Time");
  for (const ComboBox& list : lists) EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(zeroBiasZone, 9);
  EXPECT_EQ(t.end.ends, 0);
}

TEST_F(CatalogueLoad, NoZoneAtZeroOffsetLeavesTheEmptyEntry) {
  Add("East", -60);
  Add("West", 60);
  Load();
  EXPECT_EQ(zeroBiasZone, 0);
}

TEST_F(CatalogueLoad, LoadsEveryZoneOfALargeCatalogue) {
  for (int count : {100, 101, 140, 500}) {
    TestServices s;
    testing::AddManyZones(s.registry, count);
    ZoneCatalogue c;
    std::array<ComboBox, 4> l;
    std::int16_t zero = 0;
    CatalogueTargets targets{c, os, txtTZName, {&l[0], &l[1], &l[2], &l[3]}, zero};
    FillTimeZoneLists(s.services(), targets);
    EXPECT_EQ(c.Count(), count);
    EXPECT_EQ(l[2].ListCount(), count);
    EXPECT_EQ(l[2].ListIndex(), 0);
    EXPECT_TRUE(s.messages.texts.empty()) << count;
    EXPECT_EQ(s.registry.OpenHandles(), 0);
  }
}

TEST_F(CatalogueLoad, ADamagedZoneIsReportedButStaysCountedSortedAndListed) {
  Add("Good", 60);
  t.registry.AddZone({"Bad", "(Bad)", "Bad Std", "Bad Dlt", std::string(10, '\0')});
  Load();
  ASSERT_EQ(t.messages.texts.size(), 1u);
  EXPECT_EQ(t.messages.texts[0], "Invalid procedure call or argument in GetRegistryValues for Bad");
  EXPECT_EQ(lists[0].Items(), (std::vector<std::string>{"(Bad)", "(Good)"}));
}

TEST_F(CatalogueLoad, AFailedVersionCallReadsTheOlderLocation) {
  t.registry.versionCallFails = true;
  t.registry.platformId = kVerPlatformWin32Windows;  // where the fake keeps its zones then
  Add("Old", 0);
  Load();
  EXPECT_EQ(os.dwOSVersionInfoSize, 148u);
  EXPECT_EQ(lists[0].Items(), (std::vector<std::string>{"(Old)"}));
}

}  // namespace
}  // namespace tellux::catalogue
