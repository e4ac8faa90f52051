#include <gtest/gtest.h>

#include "tests/window/form_test_support.h"

namespace tellux {
namespace {

using testing::FormTest;

class SpinControls : public FormTest {
 protected:
  void SetUp() override {
    t.settings.Store("TimeZone1", "0");  // India
    t.settings.Store("TimeZone2", "1");  // W. Europe
    Start();
    form->Timer1.Fire();
  }
};

TEST_F(SpinControls, StepAnHourAndTheOtherPanelsFollow) {
  form->UpDown[1].UserUp();
  EXPECT_EQ(form->PanelTime[1].wHour, 17);
  EXPECT_EQ(form->PanelTime[1].wMinute, 35);
  EXPECT_EQ(form->Text1.Text(), "5:35 PM");
  EXPECT_EQ(form->Text0.Text(), "9:05 PM");
  form->UpDown[1].UserDown();
  form->UpDown[1].UserDown();
  EXPECT_EQ(form->Text1.Text(), "3:35 PM");
  EXPECT_EQ(form->Text0.Text(), "7:05 PM");
}

TEST_F(SpinControls, WrapWithinTheDayWithoutTouchingMinuteOrDate) {
  form->Text1.UserEdit("12:10 AM");
  form->UpDown[1].UserDown();
  EXPECT_EQ(form->PanelTime[1].wHour, 23);
  EXPECT_EQ(form->PanelTime[1].wMinute, 10);
  EXPECT_EQ(form->PanelTime[1].wDay, 15);
  EXPECT_EQ(form->Text1.Text(), "11:10 PM");
  form->UpDown[1].UserUp();
  EXPECT_EQ(form->PanelTime[1].wHour, 0);
  EXPECT_EQ(form->Text1.Text(), "12:10 AM");
}

TEST_F(SpinControls, StepFromTheLastAcceptedValuesReplacingTypedText) {
  form->Text1.UserEdit("9:30 AM");
  form->Text1.UserEdit("9:99 AM");
  form->UpDown[1].UserUp();
  EXPECT_EQ(form->Text1.Text(), "10:30 AM");
}

TEST_F(SpinControls, AnotherPmDesignatorInTheSystemLocaleReadsBackAsMorning) {
  testing::LocaleScript user = testing::EnglishUs();
  user.amDesignator = "a.m.";
  user.pmDesignator = "p.m.";
  t.locale.user = user;  // the system locale keeps "PM"
  Start();
  form->Timer1.Fire();
  form->UpDown[1].UserUp();  // 5:35 PM, read back without a user PM
  EXPECT_EQ(form->Text1.Text(), "5:35 PM");
  EXPECT_EQ(form->PanelTime[1].wHour, 5);
  EXPECT_EQ(form->Text0.Text(), "9:05 AM");  // India, from hour 5 in Berlin
}

TEST_F(SpinControls, AnIndexOutsideThePanelsChangesNothing) {
  const auto before = form->PanelTime;
  form->UpDown_UpClick(4);
  form->UpDown_DownClick(-1);
  EXPECT_EQ(form->PanelTime, before);
}

TEST_F(SpinControls, BeforeTheFirstTickTheyStepTheEmptyRecord) {
  Start();
  form->UpDown[0].UserDown();
  EXPECT_EQ(form->PanelTime[0].wHour, 23);
  EXPECT_EQ(form->Text0.Text(), "11:00 PM");
}

TEST_F(SpinControls, ADayPeriodBeforeTheHourStepsThroughNoonAndMidnight) {
  t.SetUserLocale(testing::Korean());
  t.locale.system = testing::Korean();
  Start();
  form->Timer1.Fire();
  form->Text1.UserEdit("\uC624\uC804 11:10");
  form->UpDown[1].UserUp();
  EXPECT_EQ(form->Text1.Text(), "\uC624\uD6C4 12:10");
  EXPECT_EQ(form->PanelTime[1].wHour, 12);
  form->Text1.UserEdit("\uC624\uD6C4 11:10");
  form->UpDown[1].UserUp();
  EXPECT_EQ(form->Text1.Text(), "\uC624\uC804 12:10");
  EXPECT_EQ(form->PanelTime[1].wHour, 0);
  form->UpDown[1].UserDown();
  EXPECT_EQ(form->PanelTime[1].wHour, 23);
  EXPECT_EQ(form->PanelTime[0].wHour, 2);  // India, from 23:10 in Berlin
  EXPECT_EQ(form->PanelTime[0].wMinute, 40);
}
}  // namespace
}  // namespace tellux
