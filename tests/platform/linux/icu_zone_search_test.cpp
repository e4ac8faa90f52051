// Finding a zone by typing on Linux: how typed letters meet zone names in the
// user's language, and which places a catalogue zone is found by, on ICU's
// data and the system's tz database.

#include "platform/linux/icu_zone_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/linux/tz_catalogue.h"

namespace tellux {
namespace {

bool Has(const std::vector<std::string>& places, const std::string& place) {
  return std::find(places.begin(), places.end(), place) != places.end();
}

// --- Letters typed against a name -----------------------------------------------

TEST(IcuZoneSearchLetters, ZurichIsFoundWithoutItsAccentInAnyCaseAndLanguage) {
  for (const char* locale : {"en_US", "de_DE", "sv_SE", "tr_TR", "ja_JP"}) {
    SCOPED_TRACE(locale);
    const IcuZoneSearch search(locale);
    EXPECT_TRUE(search.BeginsWith("Zürich", "zur"));
    EXPECT_TRUE(search.BeginsWith("Zürich", "ZÜR"));
    EXPECT_TRUE(search.BeginsWith("Zürich", "zürich"));
    EXPECT_FALSE(search.BeginsWith("Zürich", "zus"));
    EXPECT_FALSE(search.BeginsWith("Zürich", "rich")) << "only from the start";
    EXPECT_FALSE(search.BeginsWith("Zürich", "zürichsee"));
    EXPECT_FALSE(search.BeginsWith("Zürich", ""));
  }
}

TEST(IcuZoneSearchLetters, GermanSharpSIsADoubleS) {
  const IcuZoneSearch german("de_DE");
  EXPECT_TRUE(german.BeginsWith("Straße", "strass"));
  EXPECT_TRUE(german.BeginsWith("Strasse", "straß"));
}

TEST(IcuZoneSearchLetters, TurkishDottedAndDotlessIAreTwoLetters) {
  const IcuZoneSearch turkish("tr_TR");
  EXPECT_TRUE(turkish.BeginsWith("İstanbul", "ist"));
  EXPECT_TRUE(turkish.BeginsWith("istanbul", "İST"));
  EXPECT_TRUE(turkish.BeginsWith("Iğdır", "ığ")) << "I is the capital of ı";
  // Elsewhere I is the capital of i, and ı a letter of its own.
  EXPECT_FALSE(IcuZoneSearch("en_US").BeginsWith("Iğdır", "ığ"));
}

TEST(IcuZoneSearchLetters, ALanguagesOwnLettersStillFindTheirBaseLetter) {
  const IcuZoneSearch swedish("sv_SE");
  EXPECT_TRUE(swedish.BeginsWith("Östersund", "ös"));
  EXPECT_TRUE(swedish.BeginsWith("Östersund", "os"));
  const IcuZoneSearch danish("da_DK");
  EXPECT_TRUE(danish.BeginsWith("Aarhus", "å")) << "aa is å in Danish";
  EXPECT_TRUE(danish.BeginsWith("Aarhus", "a"));
}

TEST(IcuZoneSearchLetters, JapaneseKanaAndFullWidthLettersFindTheirOtherForms) {
  const IcuZoneSearch japanese("ja_JP");
  EXPECT_TRUE(japanese.BeginsWith("トウキョウ", "とう"));
  EXPECT_TRUE(japanese.BeginsWith("Tokyo", "ＴＯＫ"));
  EXPECT_TRUE(japanese.BeginsWith("東京", "東"));
  EXPECT_FALSE(japanese.BeginsWith("東京", "京"));
}

// --- Places a catalogue zone is found by ------------------------------------------

TEST(IcuZoneSearchPlaces, TheSydneyEntryIsFoundByMelbourneOnTheSystemDatabase) {
  const zoneinfo::TzCatalogue catalogue("en_US", "/usr/share/zoneinfo");
  const zoneinfo::TzCatalogueEntry* eastern = catalogue.Find("AUS Eastern Standard Time");
  ASSERT_NE(eastern, nullptr);
  EXPECT_NE(eastern->display.find("Sydney"), std::string::npos) << eastern->display;

  const std::vector<std::string> places = IcuZoneSearch("en_US").PlacesOf(eastern->windowsId);
  EXPECT_TRUE(Has(places, "Melbourne"));
  EXPECT_TRUE(Has(places, "Sydney"));
  EXPECT_EQ(std::count(places.begin(), places.end(), "Sydney"), 1) << "each place once";
}

TEST(IcuZoneSearchPlaces, EveryZoneOfTheSystemCatalogueHasAPlace) {
  const zoneinfo::TzCatalogue catalogue("de_DE", "/usr/share/zoneinfo");
  const IcuZoneSearch german("de_DE");
  ASSERT_GT(catalogue.Entries().size(), 100u);
  for (const zoneinfo::TzCatalogueEntry& entry : catalogue.Entries()) {
    // Of the offset-only zones ("UTC-11", "UTC+12") all but these stand for
    // islands at least.
    if (entry.windowsId == "UTC" || entry.windowsId == "Dateline Standard Time") continue;
    EXPECT_FALSE(german.PlacesOf(entry.windowsId).empty()) << entry.windowsId;
  }
}

TEST(IcuZoneSearchPlaces, PlacesAreInTheUsersLanguageAndInEnglish) {
  const std::vector<std::string> german = IcuZoneSearch("de_DE").PlacesOf("Tokyo Standard Time");
  EXPECT_TRUE(Has(german, "Tokio"));
  EXPECT_TRUE(Has(german, "Tokyo"));
  const std::vector<std::string> japanese = IcuZoneSearch("ja_JP").PlacesOf("Tokyo Standard Time");
  EXPECT_TRUE(Has(japanese, "東京"));
  EXPECT_TRUE(Has(japanese, "Tokyo"));
  // Every region of the mapping counts, and its zones' multi-word names.
  const std::vector<std::string> argentina = IcuZoneSearch("en_US").PlacesOf("Argentina Standard Time");
  EXPECT_TRUE(Has(argentina, "Buenos Aires"));
  EXPECT_TRUE(Has(argentina, "Ushuaia"));
}

TEST(IcuZoneSearchPlaces, OffsetNamesAreNoPlacesAndUnknownZonesHaveNone) {
  const IcuZoneSearch search("en_US");
  const std::vector<std::string> twelve = search.PlacesOf("UTC+12");
  EXPECT_TRUE(Has(twelve, "Tarawa"));
  for (const std::string& place : twelve) EXPECT_EQ(place.find("GMT"), std::string::npos) << place;
  EXPECT_TRUE(search.PlacesOf("Nowhere Standard Time").empty());
}

}  // namespace
}  // namespace tellux
