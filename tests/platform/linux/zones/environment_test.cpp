// Which language the zone names come in and which tz database is read,
// as the user's environment says.

#include "platform/linux/zones/environment.h"

#include <gtest/gtest.h>

#include "tests/platform/linux/env_guard.h"

namespace tellux::zoneinfo {
namespace {

using testing::EnvGuard;

TEST(TzEnvironment, TurnsPosixLocaleSettingsIntoIcuLocaleNames) {
  EXPECT_EQ(IcuLocaleName("de_DE.UTF-8"), "de_DE");
  EXPECT_EQ(IcuLocaleName("de_DE.UTF-8@euro"), "de_DE");
  EXPECT_EQ(IcuLocaleName("sr_RS@latin"), "sr_RS");
  EXPECT_EQ(IcuLocaleName("fr_CA"), "fr_CA");
  EXPECT_EQ(IcuLocaleName("C"), "en_US");
  EXPECT_EQ(IcuLocaleName("C.UTF-8"), "en_US");
  EXPECT_EQ(IcuLocaleName("POSIX"), "en_US");
  EXPECT_EQ(IcuLocaleName(""), "en_US");
}

TEST(TzEnvironment, TakesTheFirstSetOfLcAllLcTimeAndLang) {
  EnvGuard env;
  env.Set("LC_ALL", "ja_JP.UTF-8");
  env.Set("LC_TIME", "fr_FR.UTF-8");
  env.Set("LANG", "de_DE.UTF-8");
  EXPECT_EQ(UserLocaleName(), "ja_JP");
  env.Set("LC_ALL", "");
  EXPECT_EQ(UserLocaleName(), "fr_FR");
  env.Set("LC_TIME", std::nullopt);
  EXPECT_EQ(UserLocaleName(), "de_DE");
  env.Set("LANG", "C.UTF-8");
  EXPECT_EQ(UserLocaleName(), "en_US");
  env.Set("LANG", std::nullopt);
  EXPECT_EQ(UserLocaleName(), "en_US");
}

TEST(TzEnvironment, HonoursTzdir) {
  EnvGuard env;
  env.Set("TZDIR", "/opt/zones");
  EXPECT_EQ(ZoneDirectory(), "/opt/zones");
  env.Set("TZDIR", "");
  EXPECT_EQ(ZoneDirectory(), "/usr/share/zoneinfo");
  env.Set("TZDIR", std::nullopt);
  EXPECT_EQ(ZoneDirectory(), "/usr/share/zoneinfo");
}

}  // namespace
}  // namespace tellux::zoneinfo
