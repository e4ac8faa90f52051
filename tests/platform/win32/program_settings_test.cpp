// The program on the real Windows services: it lists every zone of the
// system's catalogue, and the zones and caption row chosen before closing
// come back at the next start, through the registry.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/win32/ole_date_services.h"
#include "platform/win32/registry_settings.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/windows_api.h"
#include "tests/doubles/recording_message_box.h"
#include "tests/doubles/throwing_program_end.h"
#include "window/frm_time.h"

namespace tellux::win32 {
namespace {

class ProgramOnWindows : public ::testing::Test {
 protected:
  void SetUp() override { Forget(); }
  void TearDown() override { Forget(); }
  static void Forget() { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TelluxTime"); }

  Services services() { return {registry, clock, locale, dates, settings, messages, end}; }

  Win32Registry registry;
  Win32Clock clock;
  Win32Locale locale;
  OleDateServices dates;
  RegistrySettings settings;
  tellux::testing::RecordingMessageBox messages;
  tellux::testing::ThrowingProgramEnd end;
};

TEST_F(ProgramOnWindows, KeepsItsChoicesInTheRegistryAcrossRuns) {
  auto first = std::make_unique<frmTime>(services());
  first->Form_Load();
  const int zones = first->ComboTZ[0].ListCount();
  ASSERT_GT(zones, 100);  // more than the old fixed capacity
  EXPECT_TRUE(messages.texts.empty());
  first->Timer1.Fire();
  first->RaiseUserEvent([&] { first->ComboTZ[0].UserSelect(zones - 1); });
  first->RaiseUserEvent([&] { first->ComboTZ[2].UserSelect(-1); });
  first->RaiseUserEvent([&] { first->ComboTZ[3].UserSelect(zones / 2); });
  first->RaiseUserEvent([&] { first->Option1[2].UserClick(); });
  std::int16_t cancel = 0;
  EXPECT_THROW(first->Form_Unload(cancel), tellux::testing::ProgramEnded);

  frmTime second(services());
  second.Form_Load();
  EXPECT_EQ(second.ComboTZ[0].ListIndex(), zones - 1);
  EXPECT_EQ(second.ComboTZ[1].ListIndex(), 0);
  EXPECT_EQ(second.ComboTZ[2].ListIndex(), -1);
  EXPECT_EQ(second.ComboTZ[3].ListIndex(), zones / 2);
  EXPECT_TRUE(second.Option1[2].Value());
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ProgramOnWindows, ConvertsATypedTimeBetweenRealZones) {
  frmTime form(services());
  form.Form_Load();
  form.Timer1.Fire();
  form.RaiseUserEvent([&] { form.Text0.UserEdit("11" + form.TimeSeparator + "30"); });
  EXPECT_EQ(form.PanelTime[0].wMinute, 30);
  for (int j = 1; j < 4; ++j) {
    EXPECT_LE(form.PanelTime[static_cast<std::size_t>(j)].wHour, 23);
    EXPECT_FALSE(form.PanelBox(j).Text().empty());
  }
  EXPECT_TRUE(messages.texts.empty());
  EXPECT_EQ(end.ends, 0);
}

}  // namespace
}  // namespace tellux::win32
