// What both views do alike for users the defaults leave out: text that reads
// on every background, and daylight saving told by more than colour.

#include "window/view_rules.h"

#include <gtest/gtest.h>

#include "tests/window/form_test_support.h"

namespace tellux {
namespace {

constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kWhite = Rgb(255, 255, 255);

TEST(ReadableText, TheThemesTextStaysWhereItReadsAndYellowGetsADarkOne) {
  EXPECT_DOUBLE_EQ(view::ContrastRatio(kBlack, kWhite), 21.0);
  EXPECT_DOUBLE_EQ(view::ContrastRatio(kWhite, kWhite), 1.0);
  // A dark theme's own colours are kept.
  EXPECT_EQ(view::ReadableTextColor(Rgb(35, 38, 41), Rgb(252, 252, 252)), Rgb(252, 252, 252));
  EXPECT_EQ(view::ReadableTextColor(kBlack, kWhite), kWhite);
  // Its light text on the light yellow would not read (1.03 : 1).
  EXPECT_LT(view::ContrastRatio(frmTime::kLightYellow, Rgb(252, 252, 252)), 1.1);
  const ColorRef onYellow = view::ReadableTextColor(frmTime::kLightYellow, Rgb(252, 252, 252));
  EXPECT_GE(view::ContrastRatio(frmTime::kLightYellow, onYellow), view::kReadableContrast);
  // A mid grey theme text on a mid grey base: whichever of black and white reads.
  EXPECT_EQ(view::ReadableTextColor(Rgb(40, 40, 40), Rgb(90, 90, 90)), kWhite);
  EXPECT_EQ(view::ReadableTextColor(Rgb(200, 200, 200), Rgb(150, 150, 150)), kBlack);
}

class PanelBoxes : public testing::FormTest {};

TEST_F(PanelBoxes, AYellowBoxTellsAScreenReaderOfDaylightSaving) {
  t.settings.Store("TimeZone1", "6");  // Pacific, in daylight saving in June
  t.settings.Store("TimeZone2", "0");  // India, never
  Start();
  ASSERT_EQ(form->Text0.BackColor(), frmTime::kLightYellow);
  EXPECT_EQ(view::AccessibleNameOf(form->Text0), "Time 1, daylight saving time");
  EXPECT_EQ(view::AccessibleNameOf(form->Text1), "Time 2");
  EXPECT_EQ(view::AccessibleNameOf(form->ComboTZ[0]), "Zone 1");
}

TEST_F(PanelBoxes, EachPanelBoxHasItsSpinBesideIt) {
  Start();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(view::SpinBeside(*form, form->PanelBox(i)), &form->UpDown[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(view::SpinBeside(*form, form->txtLocTime), nullptr);
}

}  // namespace
}  // namespace tellux
