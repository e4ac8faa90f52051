#include <gtest/gtest.h>

#include <algorithm>

#include "tests/window/form_test_support.h"
#include "window/frm_time_layout.h"

namespace tellux {
namespace {

using testing::FormTest;

class Layout : public FormTest {};

bool Inside(const TwipsRect& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
}

TEST_F(Layout, TheClientAreaHoldsExactlyTheFourPanelRows) {
  NewForm();
  int right = 0, bottom = 0;
  for (const Control* c : form->Controls()) {
    if (c->Kind() == ControlKind::kTimer || c->container != nullptr) continue;
    const bool panelRow = c->bounds.top < 1305;
    if (panelRow) {
      EXPECT_TRUE(Inside(c->bounds, frmTime::kClientWidth, frmTime::kClientHeight)) << c->name;
      right = std::max(right, c->bounds.left + c->bounds.width);
      bottom = std::max(bottom, c->bounds.top + c->bounds.height);
    } else {
      EXPECT_GE(c->bounds.top, 1500) << c->name;  // the information block, out of view
    }
  }
  EXPECT_EQ(right, frmTime::kClientWidth);
  EXPECT_EQ(bottom, frmTime::kClientHeight);
}

TEST_F(Layout, ControlsInTheFrameLieWithinIt) {
  NewForm();
  for (const Control* c : form->Controls()) {
    if (c->container != &form->Frame1) continue;
    EXPECT_TRUE(Inside(c->bounds, form->Frame1.bounds.width, form->Frame1.bounds.height)) << c->name;
  }
}

TEST_F(Layout, TabMovesThroughThePanelBoxesThenTheZoneLists) {
  NewForm();
  std::vector<const Control*> stops;
  for (const Control* c : form->Controls()) {
    if (c->tabStop) stops.push_back(c);
  }
  std::sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  std::vector<std::string> names;
  for (const Control* c : stops) names.push_back(c->name);
  EXPECT_EQ(names, (std::vector<std::string>{"Text0", "Text1", "Text2", "Text3", "ComboTZ(0)",
                                             "ComboTZ(1)", "ComboTZ(2)", "ComboTZ(3)"}));
}

TEST_F(Layout, TabIndicesAreDistinct) {
  NewForm();
  std::vector<int> indices;
  for (const Control* c : form->Controls()) {
    if (c->Kind() != ControlKind::kTimer) indices.push_back(c->tabIndex);
  }
  std::sort(indices.begin(), indices.end());
  EXPECT_EQ(std::adjacent_find(indices.begin(), indices.end()), indices.end());
}

TEST_F(Layout, ANewWindowShowsItsInitialCaptionTextsAndButton) {
  NewForm();
  EXPECT_EQ(form->Caption(), "Tellux Time 2.3");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(form->PanelBox(i).Text(), " ");
  EXPECT_TRUE(form->Option1[0].Value());
  EXPECT_EQ(form->txtLocTime.Text(), "");
  EXPECT_EQ(form->Frame1.caption, "Time Zone Info");
  EXPECT_EQ(form->Label2[5].caption, "Savings Name:");
  EXPECT_EQ(form->Timer1.interval, 1000);
  EXPECT_EQ(form->Text2.toolTipText, "A yellow background indicates Daylight Saving time");
  EXPECT_EQ(form->Option1[3].toolTipText, "This will select the timezone displayed in the titlebar");
}

TEST_F(Layout, EveryControlHasANameAScreenReaderCanAnnounce) {
  NewForm();
  std::vector<std::string> names;
  for (const Control* c : form->Controls()) {
    if (c->Kind() == ControlKind::kTimer || c->Kind() == ControlKind::kLabel) continue;
    EXPECT_FALSE(c->accessibleName.empty()) << c->name;
    names.push_back(c->accessibleName);
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
}

TEST_F(Layout, OptionButtonsFormOneGroup) {
  NewForm();
  form->Option1[2].SetValue(true);
  EXPECT_FALSE(form->Option1[0].Value());
  EXPECT_TRUE(form->Option1[2].Value());
  form->Option1[1].UserClick();
  EXPECT_FALSE(form->Option1[2].Value());
}

}  // namespace
}  // namespace tellux
