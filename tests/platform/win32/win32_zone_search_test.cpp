// Typing the start of a zone's name finds it the way the user's Windows
// compares letters: case and accents make no difference, in an English and
// a German session.

#include "platform/win32/win32_zone_search.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

namespace tellux::win32 {
namespace {

TEST(ZoneSearchOnWindows, LettersTypedInAnyCaseWithOrWithoutAccentsBeginAName) {
  const Win32ZoneSearch search;
  for (const char* typed : {"zur", "ZUR", "Zür", "z", "zürich"}) {
    EXPECT_TRUE(search.BeginsWith("Zürich", typed)) << typed;
  }
  EXPECT_TRUE(search.BeginsWith("Zurich", "zür"));
  EXPECT_TRUE(search.BeginsWith("São Paulo", "sao p"));
}

TEST(ZoneSearchOnWindows, OnlyTheStartOfANameCounts) {
  const Win32ZoneSearch search;
  EXPECT_FALSE(search.BeginsWith("Zürich", "rich"));
  EXPECT_FALSE(search.BeginsWith("Zürich", "Zürichsee"));
  EXPECT_FALSE(search.BeginsWith("Zürich", "zx"));
  EXPECT_FALSE(search.BeginsWith("Zürich", ""));
}

TEST(ZoneSearchOnWindows, NoZoneHasFurtherPlaces) {
  EXPECT_TRUE(Win32ZoneSearch().PlacesOf("W. Europe Standard Time").empty());
}

TEST(GermanZoneSearch, UmlautsTypedOrNotBeginTheName) {
  ASSERT_EQ(PRIMARYLANGID(::GetUserDefaultLCID()), LANG_GERMAN)
      << "run this suite with LC_ALL=de_DE.UTF-8";
  const Win32ZoneSearch search;
  EXPECT_TRUE(search.BeginsWith("München", "munch"));
  EXPECT_TRUE(search.BeginsWith("München", "MÜN"));
  EXPECT_FALSE(search.BeginsWith("München", "mux"));
}

}  // namespace
}  // namespace tellux::win32
