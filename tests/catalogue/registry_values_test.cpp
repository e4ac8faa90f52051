#include "catalogue/registry_values.h"

#include <gtest/gtest.h>

#include "tests/doubles/test_services.h"

namespace tellux::catalogue {
namespace {

using testing::FakeRegistry;
using testing::FakeValue;
using testing::TestServices;

std::string Bytes(std::initializer_list<int> bytes) {
  std::string b;
  for (int v : bytes) b += static_cast<char>(v);
  return b;
}

class GetRegistryValuesTest : public ::testing::Test {
 protected:
  GetRegistryValuesTest() {
    os.dwPlatformId = kVerPlatformWin32Nt;
    zones.Resize(1);
    t.clock.local = testing::MakeTime(2003, 6, 15, 12, 0);
  }

  // Reads subkey "Zone" with the given TZI bytes into entry 1.
  const zonetime::ZoneRuleRecord& Read(const std::string& tzi) {
    t.registry.AddZone({"Zone", "(GMT) Zone", "Zone Standard Time", "Zone Daylight Time", tzi});
    GetRegistryValues(t.services(), zones, os, "Zone", 1);
    return zones.ZoneRule[1];
  }

  TestServices t;
  ZoneCatalogue zones;
  OSVERSIONINFO os{};
};

TEST_F(GetRegistryValuesTest, DecodesTheBiasFromTheLittleEndianRecord) {
  std::string tzi(44, '\0');
  tzi.replace(0, 4, Bytes({0xC4, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Read(tzi).Bias, -60);
}

TEST_F(GetRegistryValuesTest, DecodesPositiveBiasesAndTheDaylightBias) {
  std::string tzi(44, '\0');
  tzi.replace(0, 4, Bytes({0xE0, 0x01, 0x00, 0x00}));
  tzi.replace(8, 4, Bytes({0xC4, 0xFF, 0xFF, 0xFF}));
  const auto& rule = Read(tzi);
  EXPECT_EQ(rule.Bias, 480);
  EXPECT_EQ(rule.DaylightBias, -60);
}

TEST_F(GetRegistryValuesTest, ATopByteOfExactly128CountsAsPositive) {
  std::string tzi(44, '\0');
  tzi.replace(0, 4, Bytes({0x10, 0x00, 0x00, 0x80}));
  EXPECT_EQ(Read(tzi).Bias, 16);
}

TEST_F(GetRegistryValuesTest, StoresNamesRulesTransitionsAndTheDaylightFlag) {
  const auto& rule = Read(FakeRegistry::MakeTzi(480, -60, 10, 5, 2, 4, 1, 3));
  EXPECT_EQ(zones.KeyName[1], "Zone");
  EXPECT_EQ(zones.DisplayName[1], "(GMT) Zone");
  EXPECT_EQ(zones.StdName[1], "Zone Standard Time");
  EXPECT_EQ(zones.DltName[1], "Zone Daylight Time");
  EXPECT_EQ(rule.StandardMonth, 10);
  EXPECT_EQ(rule.StandardWeek, 5);
  EXPECT_EQ(rule.StandardHour, 2);
  EXPECT_EQ(rule.DaylightMonth, 4);
  EXPECT_EQ(rule.DaylightWeek, 1);
  EXPECT_EQ(rule.DaylightHour, 3);
  EXPECT_EQ(rule.StandardStart, 37920);  // 26 October 2003
  EXPECT_EQ(rule.DaylightStart, 37717);  // 6 April 2003
  EXPECT_EQ(rule.InDaylight, -1);        // mid-June
  EXPECT_TRUE(t.messages.texts.empty());
  EXPECT_EQ(t.registry.OpenHandles(), 0);
}

TEST_F(GetRegistryValuesTest, IgnoresTheBytesTheRecordDoesNotUse) {
  const std::string plain = FakeRegistry::MakeTzi(-60, -60, 3, 5, 2, 10, 5, 3);
  std::string noisy = plain;
  for (std::size_t k : {2u, 4u, 5u, 10u, 12u, 15u, 16u, 22u, 24u, 26u, 28u, 32u, 38u, 40u, 42u}) {
    noisy[k] = static_cast<char>(0x5A);
  }
  TestServices other;
  other.clock.local = t.clock.local;
  other.registry.AddZone({"Zone", "", "", "", noisy});
  ZoneCatalogue noisyZones;
  noisyZones.Resize(1);
  GetRegistryValues(other.services(), noisyZones, os, "Zone", 1);
  const auto& a = Read(plain);
  const auto& b = noisyZones.ZoneRule[1];
  EXPECT_EQ(a.Bias, b.Bias);
  EXPECT_EQ(a.DaylightBias, b.DaylightBias);
  EXPECT_EQ(a.StandardStart, b.StandardStart);
  EXPECT_EQ(a.DaylightStart, b.DaylightStart);
  EXPECT_EQ(a.StandardHour, b.StandardHour);
  EXPECT_EQ(a.InDaylight, b.InDaylight);
}

TEST_F(GetRegistryValuesTest, AShortRecordKeepsWhatWasReadReportsAndGoesOn) {
  const auto& rule = Read(FakeRegistry::MakeTzi(-60, -60, 10, 5, 3, 3, 5, 2).substr(0, 20));
  EXPECT_EQ(rule.Bias, -60);
  EXPECT_EQ(rule.DaylightBias, -60);
  EXPECT_EQ(rule.StandardMonth, 10);
  EXPECT_EQ(rule.StandardWeek, 5);
  EXPECT_EQ(rule.StandardHour, 0);
  EXPECT_EQ(rule.StandardStart, 0);
  EXPECT_EQ(rule.DaylightMonth, 0);
  EXPECT_EQ(rule.InDaylight, 0);
  ASSERT_EQ(t.messages.texts.size(), 1u);
  EXPECT_EQ(t.messages.texts[0], "Invalid procedure call or argument in GetRegistryValues for Zone");
  EXPECT_EQ(t.messages.captions[0], "Tellux Time");
  EXPECT_EQ(t.end.ends, 0);
}

TEST_F(GetRegistryValuesTest, AMissingRecordOrOneOfAnotherTypeReportsAndGoesOn) {
  t.registry.AddZone({"Zone", "(GMT) Zone", "S", "D", ""});
  t.registry.RemoveValue("Zone", "TZI");
  t.registry.SetValue("Zone", "Std", FakeValue{kRegDword, "\x01\0\0\0"});
  GetRegistryValues(t.services(), zones, os, "Zone", 1);
  EXPECT_EQ(zones.DisplayName[1], "(GMT) Zone");
  EXPECT_EQ(zones.StdName[1], "");
  ASSERT_EQ(t.messages.texts.size(), 1u);
  EXPECT_EQ(t.end.ends, 0);
}

TEST_F(GetRegistryValuesTest, AnIndexOutsideTheCatalogueStoresNothing) {
  t.registry.AddZone({"Zone", "(GMT) Zone", "S", "D", FakeRegistry::MakeTzi(60)});
  GetRegistryValues(t.services(), zones, os, "Zone", 5);
  GetRegistryValues(t.services(), zones, os, "Zone", -1);
  EXPECT_EQ(zones.KeyName.size(), 2u);
  EXPECT_EQ(zones.KeyName[1], "");
  ASSERT_EQ(t.messages.texts.size(), 2u);
  EXPECT_EQ(t.messages.texts[0], "Subscript out of range in GetRegistryValues for Zone");
}

TEST_F(GetRegistryValuesTest, ThisYearsWholeDynamicRecordStandsInForTheStandingOne) {
  // Casablanca, +01 by "TZI"; in 2027 at +00 from Sunday 7 February to
  // Sunday 14 March. A cut record does not count.
  t.clock.local = testing::MakeTime(2027, 2, 20, 12, 0);
  const std::string ramadan = FakeRegistry::MakeTzi(-60, 60, 3, 2, 3, 2, 1, 3);
  t.registry.SetYearRecord("Zone", 2026, FakeRegistry::MakeTzi(-60));
  t.registry.SetYearRecord("Zone", 2027, ramadan);
  const auto& rule = Read(FakeRegistry::MakeTzi(-60));
  EXPECT_EQ(rule.DaylightBias, 60);
  EXPECT_EQ(rule.DaylightStart, 46425);  // 7 February 2027
  EXPECT_EQ(rule.InDaylight, -1);
  t.registry.SetYearRecord("Zone", 2027, ramadan.substr(0, 43));
  EXPECT_EQ(Read(FakeRegistry::MakeTzi(-60)).InDaylight, 0);
  EXPECT_TRUE(t.messages.texts.empty());
  EXPECT_EQ(t.registry.OpenHandles(), 0);
}

TEST_F(GetRegistryValuesTest, OldPlatformsReadTheirOwnCatalogueLocation) {
  os.dwPlatformId = kVerPlatformWin32Windows;
  t.registry.platformId = kVerPlatformWin32Windows;
  Read(FakeRegistry::MakeTzi(-120));
  EXPECT_EQ(zones.ZoneRule[1].Bias, -120);
  EXPECT_EQ(t.registry.openedPaths.front(),
            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Time Zones\\Zone");
}

TEST(RegQueryStringValue, TextsStopAtTheirNulAndBinaryValuesKeepEveryByte) {
  TestServices t;
  t.registry.SetValue("Z", "Text", FakeValue{kRegSz, std::string("Name\0junk\0", 10)});
  t.registry.SetValue("Z", "Bin", FakeValue{kRegBinary, std::string("\0\x01\0\xFF", 4)});
  const std::string path = std::string(kNtCataloguePath) + "\\Z";
  EXPECT_EQ(GetString(t.services(), kHkeyLocalMachine, path, "Text"), "Name");
  EXPECT_EQ(GetString(t.services(), kHkeyLocalMachine, path, "Bin"), std::string("\0\x01\0\xFF", 4));
  EXPECT_EQ(GetString(t.services(), kHkeyLocalMachine, path, "Missing"), "");
  EXPECT_EQ(GetString(t.services(), kHkeyLocalMachine, path + "x", "Text"), "");
  EXPECT_EQ(t.registry.OpenHandles(), 0);
}

}  // namespace
}  // namespace tellux::catalogue
