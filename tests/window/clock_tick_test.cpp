#include <gtest/gtest.h>

#include "tests/window/form_test_support.h"

namespace tellux {
namespace {

using testing::FormTest;

// Started with the lists on India, W. Europe, Central and Eastern; UTC is
// 14:35:20 on 15 June 2003, when the zones with rules are in daylight saving.
class ClockTick : public FormTest {
 protected:
  void SetUp() override {
    testing::StoreFourPanels(t.settings);
    t.settings.Store("Selection", "2");
    Start();
  }
  void Tick() { form->Timer1.Fire(); }
};

TEST_F(ClockTick, ShowsLocalTimeAndUtcWithSecondsAndEachZoneWithout) {
  Tick();
  EXPECT_EQ(form->txtLocTime.Text(), "12:00:00 PM");
  EXPECT_EQ(form->txtSysTime.Text(), "2:35:20 PM");
  EXPECT_EQ(form->txtTime[0].Text(), "8:05 PM");   // India, +5:30
  EXPECT_EQ(form->txtTime[1].Text(), "4:35 PM");   // W. Europe, +1 and daylight saving
  EXPECT_EQ(form->txtTime[2].Text(), "9:35 AM");   // Central, -6 and daylight saving
  EXPECT_EQ(form->txtTime[3].Text(), "10:35 AM");  // Eastern, -5 and daylight saving
}

TEST_F(ClockTick, TheCaptionShowsTheChosenPanelsTimeAndPlace) {
  EXPECT_EQ(form->Caption(), "Tellux Time 2.3");
  Tick();
  EXPECT_EQ(form->Caption(), "4:35 PM Berlin");
}

TEST_F(ClockTick, WithNoOptionSetTheCaptionUsesTheFirstPanel) {
  form->Option1[1].SetValue(false);
  Tick();
  EXPECT_EQ(form->Caption(), "8:05 PM Calcutta");
}

TEST_F(ClockTick, TheLastSetOptionWins) {
  form->Option1[3].SetValue(true);
  Tick();
  EXPECT_EQ(form->Caption(), "10:35 AM Eastern Time");
}

TEST_F(ClockTick, AZoneTextWithoutABracketLosesOnlyItsFirstCharacter) {
  t.registry.Clear();
  t.registry.AddZone({"Odd", "Nowhere", "S", "D", testing::FakeRegistry::MakeTzi(0)});
  t.registry.AddZone({"Edge", "(UTC+01:00)", "S2", "D2", testing::FakeRegistry::MakeTzi(-60)});
  t.settings.Store("TimeZone1", "1");
  t.settings.Store("TimeZone2", "0");
  t.settings.Store("Selection", "1");
  Start();
  Tick();
  EXPECT_EQ(form->Caption(), "2:35 PM owhere");
  form->ComboTZ[0].SetListIndex(0);
  Tick();
  EXPECT_EQ(form->Caption(), "3:35 PM ");
}

TEST_F(ClockTick, AListWithoutSelectionShowsUtc) {
  form->ComboTZ[0].SetListIndex(-1);
  form->Option1[0].SetValue(true);
  Tick();
  EXPECT_EQ(form->txtTime[0].Text(), "2:35 PM");
  EXPECT_EQ(form->Caption(), "2:35 PM ");
}

TEST_F(ClockTick, TheFirstTickSeedsThePanelsOnceWithoutConverting) {
  Tick();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(form->PanelBox(i).Text(), form->txtTime[static_cast<std::size_t>(i)].Text()) << i;
  }
  EXPECT_EQ(form->PanelTime[0].wHour, 20);
  EXPECT_EQ(form->PanelTime[0].wMinute, 5);
  EXPECT_EQ(form->PanelTime[2].wHour, 9);
  EXPECT_EQ(form->PanelTime[2].wDay, 15);  // the UTC date
  EXPECT_EQ(form->PanelTime[2].wSecond, 20);
  EXPECT_EQ(form->FirstTick, 0);
  EXPECT_EQ(form->Updating, 0);

  t.clock.Advance(3600);
  Tick();
  EXPECT_EQ(form->txtTime[0].Text(), "9:05 PM");
  EXPECT_EQ(form->Text0.Text(), "8:05 PM");
  EXPECT_EQ(form->PanelTime[0].wHour, 20);
}

TEST_F(ClockTick, LaterTicksLeaveTypedPanelsAlone) {
  Tick();
  form->Text2.UserEdit("7:15 AM");
  const SYSTEMTIME typed = form->PanelTime[2];
  t.clock.Advance(61);
  Tick();
  EXPECT_EQ(form->Text2.Text(), "7:15 AM");
  EXPECT_EQ(form->PanelTime[2], typed);
  EXPECT_EQ(form->txtTime[2].Text(), "9:36 AM");
}

TEST_F(ClockTick, ATwentyFourHourSystemLocaleShowsItsOwnForm) {
  t.locale.system = testing::German();
  t.SetUserLocale(testing::German());
  Start();
  Tick();
  EXPECT_EQ(form->txtSysTime.Text(), "14:35:20");
  EXPECT_EQ(form->Caption(), "16:35 Berlin");
  EXPECT_EQ(form->Text1.Text(), "16:35");
}

TEST_F(ClockTick, AZeroOffsetZoneInDaylightSavingShiftsEveryPanelBack) {
  // GMT (in daylight saving in June) sorts after W. Europe but before
  // Greenwich, so Greenwich is the zero-offset zone; without Greenwich GMT is.
  t.registry.Clear();
  t.registry.AddZone({"GMT", "(GMT) London", "S", "D", testing::FakeRegistry::MakeTzi(0, -60, 10, 5, 2, 3, 5, 1)});
  t.registry.AddZone({"India", "(GMT+05:30) Calcutta", "S2", "D2", testing::FakeRegistry::MakeTzi(-330)});
  t.settings.Store("TimeZone1", "0");
  Start();
  ASSERT_EQ(form->ZeroBiasZone, 2);
  Tick();
  EXPECT_EQ(form->txtTime[0].Text(), "7:05 PM");  // an hour behind India's real 8:05 PM
}

}  // namespace
}  // namespace tellux
