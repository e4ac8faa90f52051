// Finding a zone by typing on Linux: typed letters against zone names as the
// user's language compares them, and the places a catalogue zone is found by,
// on ICU's data and the system's tz database.

#include "platform/linux/zones/icu_zone_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/linux/zones/catalogue.h"

namespace tellux {
namespace {

bool Has(const std::vector<std::string>& places, const std::string& place) {
  return std::find(places.begin(), places.end(), place) != places.end();
}

TEST(IcuZoneSearch, LettersMeetNamesAsTheUsersLanguageComparesThem) {
  struct Case {
    const char* locale;
    const char* text;
    const char* typed;
    bool begins;
  };
  const Case cases[] = {{"de_DE", "Zürich", "zur", true},
                        {"de_DE", "Zürich", "ZÜR", true},
                        {"de_DE", "Zürich", "rich", false},
                        {"de_DE", "Zürich", "zürichsee", false},
                        {"de_DE", "Zürich", "", false},
                        {"de_DE", "Straße", "strass", true},
                        // Swedish ü is a kind of y, Danish aa one letter: the plain letter
                        // still finds them.
                        {"sv_SE", "Zürich", "zur", true},
                        {"sv_SE", "Östersund", "ös", true},
                        {"da_DK", "Aarhus", "å", true},
                        {"da_DK", "Aarhus", "a", true},
                        // Turkish I is the capital of ı, not of i; elsewhere ı is a letter
                        // of its own.
                        {"tr_TR", "İstanbul", "ist", true},
                        {"tr_TR", "Iğdır", "ığ", true},
                        {"en_US", "Iğdır", "ığ", false},
                        {"ja_JP", "トウキョウ", "とう", true},
                        {"ja_JP", "Tokyo", "ＴＯＫ", true},
                        {"ja_JP", "東京", "京", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(IcuZoneSearch(c.locale).BeginsWith(c.text, c.typed), c.begins)
        << c.locale << ": " << c.text << " / " << c.typed;
  }
}

TEST(IcuZoneSearch, TheSydneyEntryIsFoundByMelbourneOnTheSystemDatabase) {
  const zoneinfo::TzCatalogue catalogue("en_US", "/usr/share/zoneinfo");
  const zoneinfo::TzCatalogueEntry* eastern = catalogue.Find("AUS Eastern Standard Time");
  ASSERT_NE(eastern, nullptr);
  EXPECT_NE(eastern->display.find("Sydney"), std::string::npos) << eastern->display;
  const IcuZoneSearch search("en_US");
  const std::vector<std::string> places = search.PlacesOf(eastern->windowsId);
  EXPECT_TRUE(Has(places, "Melbourne"));
  EXPECT_EQ(std::count(places.begin(), places.end(), "Sydney"), 1) << "each place once";
  // Every zone but the two that stand for no place at all has one.
  for (const zoneinfo::TzCatalogueEntry& entry : catalogue.Entries()) {
    if (entry.windowsId == "UTC" || entry.windowsId == "Dateline Standard Time") continue;
    EXPECT_FALSE(search.PlacesOf(entry.windowsId).empty()) << entry.windowsId;
  }
}

TEST(IcuZoneSearch, PlacesAreInTheUsersLanguageAndInEnglishButNeverAnOffset) {
  const std::vector<std::string> german = IcuZoneSearch("de_DE").PlacesOf("Tokyo Standard Time");
  EXPECT_TRUE(Has(german, "Tokio") && Has(german, "Tokyo"));
  const std::vector<std::string> japanese = IcuZoneSearch("ja_JP").PlacesOf("Tokyo Standard Time");
  EXPECT_TRUE(Has(japanese, "東京") && Has(japanese, "Tokyo"));
  const IcuZoneSearch english("en_US");
  EXPECT_TRUE(Has(english.PlacesOf("Argentina Standard Time"), "Buenos Aires"));
  const std::vector<std::string> twelve = english.PlacesOf("UTC+12");
  EXPECT_TRUE(Has(twelve, "Tarawa"));
  for (const std::string& place : twelve) EXPECT_EQ(place.find("GMT"), std::string::npos) << place;
  EXPECT_TRUE(english.PlacesOf("Nowhere Standard Time").empty());
}

}  // namespace
}  // namespace tellux
