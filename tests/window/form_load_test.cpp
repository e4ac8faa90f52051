#include <gtest/gtest.h>

#include "tests/window/form_test_support.h"

namespace tellux {
namespace {

using testing::FormTest;

class StartUp : public FormTest {};

TEST_F(StartUp, ReadsTheUsersTimeSeparatorAndPmDesignator) {
  Start();
  EXPECT_EQ(form->TimeSeparator, ":");
  EXPECT_EQ(form->PmDesignator, "PM");
}

TEST_F(StartUp, A24HourLocaleHasNoPmDesignatorAndOnlyTheFirstSeparatorCharacterCounts) {
  testing::LocaleScript s = testing::German();
  s.timeSeparator = "\xE2\x88\xB6h";  // a two-character separator, the first multi-byte
  t.SetUserLocale(s);
  Start();
  EXPECT_EQ(form->TimeSeparator, "\xE2\x88\xB6");
  EXPECT_EQ(form->PmDesignator, "");
}

TEST_F(StartUp, ShowsTheClockAdjustmentAsReported) {
  t.clock.disabled = 0;
  Start();
  EXPECT_EQ(form->txtAdjust.Text(), "156250 ns Every 156250 ns.");
}

TEST_F(StartUp, ShowsADisabledAdjustment) {
  t.clock.disabled = 1;
  Start();
  EXPECT_EQ(form->txtAdjust.Text(), "Disabled.");
}

TEST_F(StartUp, ShowsTheMachineZoneOffsetInHalfHoursWithTheUsersDecimalSign) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, "0 hours"},    {210, "3.5 hours"}, {-345, "-6 hours"}, {45, "1 hours"},
      {15, "0 hours"},   {-765, "-13 hours"}, {-330, "-5.5 hours"}, {-60, "-1 hours"},
      {300, "5 hours"},  {-15, "0 hours"},    {-30, "-0.5 hours"}};
  for (const auto& [bias, shown] : cases) {
    t.clock.zone.Bias = bias;
    Start();
    EXPECT_EQ(form->txtTZBias.Text(), shown) << bias;
  }
  t.SetUserLocale(testing::German());
  t.clock.zone.Bias = 210;
  Start();
  EXPECT_EQ(form->txtTZBias.Text(), "3,5 hours");
}

TEST_F(StartUp, ShowsTheMachineZoneNamesAndSelectsItInTheFirstPanel) {
  Start();
  EXPECT_EQ(form->txtTZName.Text(), "W. Europe Standard Time");
  EXPECT_EQ(form->txtTZSName.Text(), "W. Europe Daylight Time");
  EXPECT_EQ(form->Updating, 0);
  EXPECT_EQ(form->FirstTick, -1);
}

TEST_F(StartUp, AFirstStartSelectsEachListsFirstZoneAndTheFourthPanel) {
  Start();
  for (const ComboBox& list : form->ComboTZ) EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_TRUE(form->Option1[3].Value());
  EXPECT_FALSE(form->Option1[0].Value());
  EXPECT_TRUE(t.messages.texts.empty());
}

TEST_F(StartUp, StoredPositionsPastTheListKeepTheDefaultsChosenWhileLoading) {
  for (const char* key : {"TimeZone1", "TimeZone2", "TimeZone3", "TimeZone4"}) t.settings.Store(key, "7");
  Start();
  EXPECT_EQ(form->ComboTZ[0].Text(), "(GMT+01:00) Berlin");
  EXPECT_EQ(form->ComboTZ[1].Text(), "(GMT-08:00) Pacific Time");
  EXPECT_EQ(form->ComboTZ[2].Text(), "(GMT-06:00) Central Time");
  EXPECT_EQ(form->ComboTZ[3].Text(), "(GMT-05:00) Eastern Time");
}

TEST_F(StartUp, AStoredMinusOneLeavesTheListWithoutSelectionAndIsStoredAgain) {
  t.settings.Store("TimeZone3", "-1");
  Start();
  EXPECT_EQ(form->ComboTZ[2].ListIndex(), -1);
  Close();
  EXPECT_EQ(*t.settings.Find("TimeZone3"), "-1");
}

TEST_F(StartUp, StoredPositionsRoundHalvesToEven) {
  t.settings.Store("TimeZone1", "2.5");
  t.settings.Store("TimeZone2", " 3.5 ");
  Start();
  EXPECT_EQ(form->ComboTZ[0].ListIndex(), 2);
  EXPECT_EQ(form->ComboTZ[1].ListIndex(), 4);
}

TEST_F(StartUp, DamagedStoredPositionsAreIgnoredAndTheProgramGoesOn) {
  t.settings.Store("TimeZone1", "abc");
  t.settings.Store("TimeZone2", "40000");
  t.settings.Store("TimeZone3", "-2");
  t.settings.Store("TimeZone4", "");
  Start();
  EXPECT_EQ(form->ComboTZ[0].Text(), "(GMT+01:00) Berlin");
  EXPECT_EQ(form->ComboTZ[1].Text(), "(GMT-08:00) Pacific Time");
  EXPECT_EQ(form->ComboTZ[2].Text(), "(GMT-06:00) Central Time");
  EXPECT_EQ(form->ComboTZ[3].Text(), "(GMT-05:00) Eastern Time");
  EXPECT_TRUE(t.messages.texts.empty());
  EXPECT_EQ(t.end.ends, 0);
}

TEST_F(StartUp, TheSelectionSettingChoosesTheCaptionPanel) {
  const std::pair<const char*, int> cases[] = {{"1", 0}, {"2", 1}, {"3", 2},   {" 2.0 ", 1},
                                               {"0", 3}, {"4", 3}, {"9", 3},   {"abc", 3},
                                               {"", 3},  {"-1", 3}, {"1e400", 3}};
  for (const auto& [stored, panel] : cases) {
    t.settings.Store("Selection", stored);
    Start();
    for (int k = 0; k < 4; ++k) EXPECT_EQ(form->Option1[k].Value(), k == panel) << stored;
  }
}

TEST_F(StartUp, WithoutACatalogueTheProgramRunsOnWithEmptyLists) {
  t.registry.catalogueMissing = true;
  t.settings.Store("TimeZone1", "0");
  t.settings.Store("TimeZone2", "-1");
  Start();
  ASSERT_EQ(t.messages.texts.size(), 1u);
  EXPECT_EQ(t.messages.texts[0], "Can't find Timezone information in registry");
  for (const ComboBox& list : form->ComboTZ) {
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
  }
  EXPECT_EQ(t.end.ends, 0);
}

TEST_F(StartUp, ACatalogueOfAHundredAndFortyZonesLoadsCompletely) {
  t.registry.Clear();
  testing::AddManyZones(t.registry, 140);
  Start();
  EXPECT_EQ(form->Catalogue.Count(), 140);
  EXPECT_EQ(form->ComboTZ[3].ListCount(), 140);
  EXPECT_TRUE(t.messages.texts.empty());
}

TEST_F(StartUp, ColoursEachPanelByItsZonesDaylightSaving) {
  t.settings.Store("TimeZone1", "0");  // India: no daylight saving
  t.settings.Store("TimeZone2", "1");  // W. Europe: in daylight saving in June
  t.settings.Store("TimeZone3", "-1");
  Start();
  EXPECT_EQ(form->Text0.BackColor(), kColorWindow);
  EXPECT_EQ(form->Text1.BackColor(), frmTime::kLightYellow);
  EXPECT_EQ(form->Text2.BackColor(), kColorWindow);
}

class ShutDown : public FormTest {};

TEST_F(ShutDown, StoresTheListPositionsAndTheCaptionPanelThenEnds) {
  Start();
  form->ComboTZ[1].SetListIndex(5);
  form->Option1[1].SetValue(true);
  Close();
  EXPECT_EQ(t.end.ends, 1);
  EXPECT_EQ(*t.settings.Find("TimeZone1"), "0");
  EXPECT_EQ(*t.settings.Find("TimeZone2"), "5");
  EXPECT_EQ(*t.settings.Find("Selection"), "2");
}

TEST_F(ShutDown, ASecondStartShowsTheSameZonesAndCaptionPanel) {
  Start();
  form->ComboTZ[0].SetListIndex(6);
  form->ComboTZ[1].SetListIndex(-1);
  form->ComboTZ[2].SetListIndex(3);
  form->Option1[2].SetValue(true);
  Close();
  Start();
  EXPECT_EQ(form->ComboTZ[0].ListIndex(), 6);
  EXPECT_EQ(form->ComboTZ[1].ListIndex(), -1);
  EXPECT_EQ(form->ComboTZ[2].ListIndex(), 3);
  EXPECT_EQ(form->ComboTZ[3].ListIndex(), 0);
  EXPECT_TRUE(form->Option1[2].Value());
}

TEST_F(ShutDown, ClosingRightAfterStartStoresWhatTheListsShow) {
  t.settings.Store("TimeZone1", "99");
  Start();
  Close();
  EXPECT_EQ(*t.settings.Find("TimeZone1"), "1");  // Berlin, the machine's zone
  EXPECT_EQ(*t.settings.Find("Selection"), "4");
}

TEST_F(ShutDown, AnErrorAtStartUpEndsTheProgramWithoutStoringAnything) {
  t.clock.zone.Bias = 2000000;  // an offset no 16-bit half-hour count holds
  EXPECT_THROW(Start(), testing::ProgramEnded);
  ASSERT_EQ(t.messages.texts.size(), 1u);
  EXPECT_EQ(t.messages.texts[0], "Overflow in Form_Load");
  EXPECT_EQ(t.settings.writes, 0);
}

TEST_F(StartUp, ReadsTheAmDesignatorAndTakesTheWordOfASeparatorWithBlanksOrQuotes) {
  t.SetUserLocale(testing::CanadianFrench());
  Start();
  EXPECT_EQ(form->TimeSeparator, "h");
  EXPECT_EQ(form->AmDesignator, "a.m.");
  EXPECT_EQ(form->PmDesignator, "p.m.");
  testing::LocaleScript quoted = testing::CanadianFrench();
  quoted.timeSeparator = " 'h' ";
  t.SetUserLocale(quoted);
  Start();
  EXPECT_EQ(form->TimeSeparator, "h");
  quoted.timeSeparator = " ";  // nothing but a blank: the blank it is
  t.SetUserLocale(quoted);
  Start();
  EXPECT_EQ(form->TimeSeparator, " ");
}
}  // namespace
}  // namespace tellux
