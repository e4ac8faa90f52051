// Typing the start of a zone's name finds it the way the user's Windows
// compares letters: case and accents make no difference, in an English and
// a German session.

#include "platform/win32/win32_zone_search.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

namespace tellux::win32 {
namespace {

TEST(ZoneSearchOnWindows, TheStartOfANameInAnyCaseWithOrWithoutAccentsFindsIt) {
  const Win32ZoneSearch search;
  for (const char* typed : {"zur", "ZUR", "Zür", "zürich"}) {
    EXPECT_TRUE(search.BeginsWith("Zürich", typed)) << typed;
  }
  EXPECT_TRUE(search.BeginsWith("Zurich", "zür"));
  for (const char* typed : {"rich", "Zürichsee", ""}) {
    EXPECT_FALSE(search.BeginsWith("Zürich", typed)) << typed;
  }
  EXPECT_TRUE(search.PlacesOf("W. Europe Standard Time").empty());
}

TEST(GermanZoneSearch, UmlautsTypedOrNotBeginTheName) {
  ASSERT_EQ(PRIMARYLANGID(::GetUserDefaultLCID()), LANG_GERMAN) << "run with LC_ALL=de_DE.UTF-8";
  const Win32ZoneSearch search;
  EXPECT_TRUE(search.BeginsWith("München", "munch"));
  EXPECT_TRUE(search.BeginsWith("München", "MÜN"));
  EXPECT_FALSE(search.BeginsWith("München", "mux"));
}

}  // namespace
}  // namespace tellux::win32
