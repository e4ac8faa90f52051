// Which language the zone names come in and which tz database is read,
// as the user's environment says.

#include "platform/linux/zones/environment.h"

#include <gtest/gtest.h>

#include "platform/linux/locale/locale_names.h"
#include "platform/linux/zones/catalogue.h"
#include "tests/platform/linux/env_guard.h"

namespace tellux::zoneinfo {
namespace {

using testing::EnvGuard;

TEST(TzEnvironment, TurnsPosixLocaleSettingsIntoIcuLocaleNames) {
  EXPECT_EQ(IcuLocaleName("de_DE.UTF-8"), "de_DE");
  EXPECT_EQ(IcuLocaleName("de_DE.UTF-8@euro"), "de_DE");
  EXPECT_EQ(IcuLocaleName("sr_RS@latin"), "sr_Latn_RS");
  EXPECT_EQ(IcuLocaleName("fr_CA"), "fr_CA");
  EXPECT_EQ(IcuLocaleName("C"), "en_US");
  EXPECT_EQ(IcuLocaleName("C.UTF-8"), "en_US");
  EXPECT_EQ(IcuLocaleName("POSIX"), "en_US");
  EXPECT_EQ(IcuLocaleName(""), "en_US");
}

// glibc's script modifiers are ICU's script subtags: a Serbian Latin user
// reads the zones in Latin letters, a Serbian Cyrillic one in Cyrillic.
TEST(TzEnvironment, ALocalesScriptModifierChoosesTheScriptOfTheZoneNames) {
  EXPECT_EQ(IcuLocaleName("uz_UZ.UTF-8@cyrillic"), "uz_Cyrl_UZ");
  EXPECT_EQ(IcuLocaleName("be_BY@latin"), "be_Latn_BY");
  EXPECT_EQ(IcuLocaleName("sd_IN@devanagari"), "sd_Deva_IN");
  EXPECT_EQ(IcuLocaleName("sr@latin"), "sr_Latn");
  EXPECT_EQ(IcuLocaleName("ca_ES.UTF-8@valencia"), "ca_ES_VALENCIA");
  EXPECT_EQ(IcuLocaleName("aa_ER@saaho"), "aa_ER");
  const auto cyrillic = [](const std::string& s) {
    return s.find("\xD0") != std::string::npos || s.find("\xD1") != std::string::npos;
  };
  EnvGuard env;
  env.Set("LC_ALL", std::nullopt);
  env.Set("LC_TIME", std::nullopt);
  for (const auto& [lang, inCyrillic] :
       {std::pair{"sr_RS.UTF-8@latin", false}, std::pair{"sr_RS.UTF-8", true}}) {
    env.Set("LANG", lang);
    const TzCatalogue zones(UserLocaleName(), "/usr/share/zoneinfo");
    const TzCatalogueEntry* berlin = zones.Find("W. Europe Standard Time");
    ASSERT_NE(berlin, nullptr);
    EXPECT_EQ(cyrillic(berlin->display), inCyrillic) << lang << ": " << berlin->display;
  }
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
