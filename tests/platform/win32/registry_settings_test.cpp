// The user's choices survive the program: stored under HKCU and read back,
// with the default for anything missing or stored as something else.

#include "platform/win32/registry_settings.h"

#include <gtest/gtest.h>

#include "platform/win32/code_page.h"
#include "platform/win32/windows_api.h"

namespace tellux::win32 {
namespace {

// Its own application name, so a test run never touches the real settings.
constexpr std::string_view kApp = "TelluxTimeSettingsTest";

class StoredSettings : public ::testing::Test {
 protected:
  void SetUp() override { Forget(); }
  void TearDown() override { Forget(); }
  static void Forget() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TelluxTimeSettingsTest");
  }
  RegistrySettings settings_;
};

TEST_F(StoredSettings, ASavedValueIsReadBack) {
  ASSERT_TRUE(settings_.SaveSetting(kApp, "Settings", "TimeZone2", "17"));
  EXPECT_EQ(settings_.GetSetting(kApp, "Settings", "TimeZone2", "0"), "17");
  ASSERT_TRUE(settings_.SaveSetting(kApp, "Settings", "TimeZone2", "-1"));
  EXPECT_EQ(settings_.GetSetting(kApp, "Settings", "TimeZone2", "0"), "-1");
}

TEST_F(StoredSettings, ItLivesUnderSoftwareApplicationSectionAsText) {
  ASSERT_TRUE(settings_.SaveSetting(kApp, "Settings", "Selection", "3"));
  wchar_t value[16] = {};
  DWORD size = sizeof value;
  DWORD type = 0;
  ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, L"Software\\TelluxTimeSettingsTest\\Settings",
                           L"Selection", RRF_RT_ANY, &type, value, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(value, L"3");
}

TEST_F(StoredSettings, MissingKeysAndValuesGiveTheDefault) {
  EXPECT_EQ(settings_.GetSetting(kApp, "Settings", "TimeZone1", "0"), "0");
  ASSERT_TRUE(settings_.SaveSetting(kApp, "Settings", "TimeZone1", "5"));
  EXPECT_EQ(settings_.GetSetting(kApp, "Settings", "TimeZone3", "default"), "default");
  EXPECT_EQ(settings_.GetSetting(kApp, "Other", "TimeZone1", "x"), "x");
}

TEST_F(StoredSettings, AValueOfAnotherTypeGivesTheDefault) {
  ASSERT_TRUE(settings_.SaveSetting(kApp, "Settings", "TimeZone1", "5"));
  const DWORD number = 7;
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\TelluxTimeSettingsTest\\Settings",
                              L"Selection", REG_DWORD, &number, sizeof number),
            ERROR_SUCCESS);
  EXPECT_EQ(settings_.GetSetting(kApp, "Settings", "Selection", "0"), "0");
}

TEST_F(StoredSettings, TextOutsideTheAnsiCodePageSurvives) {
  const std::string text = "Z\xC3\xBCrich \xE6\x9D\xB1\xE4\xBA\xAC";  // "Zürich 東京"
  ASSERT_TRUE(settings_.SaveSetting(kApp, "Settings", "Note", text));
  EXPECT_EQ(settings_.GetSetting(kApp, "Settings", "Note", ""), text);
}

}  // namespace
}  // namespace tellux::win32
