#include <gtest/gtest.h>

#include "tests/window/form_test_support.h"

namespace tellux {
namespace {

using testing::FormTest;

class ZoneSelection : public FormTest {
 protected:
  void SetUp() override {
    testing::StoreFourPanels(t.settings);
    Start();
    form->Timer1.Fire();
  }
};

TEST_F(ZoneSelection, ChangingTheLastPanelsZoneRewritesPanelsOneToThreeFromPanelZero) {
  form->Text1.UserEdit("25:99");  // nothing stored, the text stays
  form->Text2.UserEdit("99");     // no separator, nothing read
  const std::string panel0 = form->Text0.Text();
  form->ComboTZ[3].UserSelect(6);  // Pacific
  EXPECT_EQ(form->Text0.Text(), panel0);
  EXPECT_EQ(form->Text1.Text(), "4:35 PM");
  EXPECT_EQ(form->Text2.Text(), "9:35 AM");
  EXPECT_EQ(form->Text3.Text(), "7:35 AM");
}

TEST_F(ZoneSelection, ChoosingPanelZerosZoneReinterpretsItsTime) {
  const std::string panel0 = form->Text0.Text();  // 8:05 PM
  form->ComboTZ[0].UserSelect(3);                 // Greenwich
  EXPECT_EQ(form->Text0.Text(), panel0);
  EXPECT_EQ(form->Text1.Text(), "10:05 PM");
  EXPECT_EQ(form->Text2.Text(), "3:05 PM");
}

TEST_F(ZoneSelection, APanelTurnsYellowForAZoneInDaylightSaving) {
  form->ComboTZ[0].UserSelect(2);  // GMT, in daylight saving in June
  EXPECT_EQ(form->Text0.BackColor(), frmTime::kLightYellow);
  form->ComboTZ[0].UserSelect(3);  // Greenwich, never
  EXPECT_EQ(form->Text0.BackColor(), kColorWindow);
  form->ComboTZ[2].UserSelect(6);
  EXPECT_EQ(form->Text2.BackColor(), frmTime::kLightYellow);
}

TEST_F(ZoneSelection, NoSelectionGivesTheWindowColour) {
  form->ComboTZ[1].SetListIndex(-1);
  EXPECT_EQ(form->Text1.BackColor(), kColorWindow);
}

TEST_F(ZoneSelection, TheColourShowsTheStateAtStartUpNotAtTheShownTime) {
  form->Text1.UserEdit("3:00 AM");
  form->ComboTZ[1].UserSelect(1);
  EXPECT_EQ(form->Text1.BackColor(), frmTime::kLightYellow);
}

}  // namespace
}  // namespace tellux
