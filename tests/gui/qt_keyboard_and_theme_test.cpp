// The window for someone on a dark theme or with a screen reader: every
// text readable on its background, and daylight saving told in words as
// well as in colour.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/linux/qt_box_palette.h"
#include "platform/linux/qt_frm_time_view.h"
#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"
#include "window/view_rules.h"

namespace tellux {
namespace {

// The lists of the seven zones, as the catalogue sorts them.
constexpr int kCalcutta = 0;
constexpr int kBerlin = 1;

class KeyboardAndTheme : public ::testing::Test {
 protected:
  // Rows 1..4 on India, W. Europe, Central and Eastern; in June, as the
  // clock stands, all but India keep daylight saving time.
  KeyboardAndTheme() {
    testing::AddSevenZones(env.registry);
    testing::StoreFourPanels(env.settings);
    env.clock.SetZone(480, "Pacific Standard Time", "Pacific Daylight Time");
  }

  // Opens the window with the times in its rows and the keyboard in it.
  void Open() {
    form = std::make_unique<frmTime>(env.services());
    view = std::make_unique<QtFrmTimeView>(*form);
    view->Start();
    form->Timer1.Fire();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }

  QLineEdit& Edit(const TextBox& box) { return *view->LineEditFor(box); }
  QComboBox& Combo(int i) { return *view->ComboFor(form->ComboTZ[static_cast<std::size_t>(i)]); }

  testing::TestServices env;
  std::unique_ptr<frmTime> form;
  std::unique_ptr<QtFrmTimeView> view;
};

// --- Any theme, and a screen reader ------------------------------------------------

// The application's palette for the length of a test, as a desktop changes
// it: the windows hear of it through the event loop.
class PaletteForTest {
 public:
  explicit PaletteForTest(const QPalette& palette) : before_(QApplication::palette()) {
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();
  }
  ~PaletteForTest() {
    QApplication::setPalette(before_);
    QCoreApplication::processEvents();
  }
  PaletteForTest(const PaletteForTest&) = delete;
  PaletteForTest& operator=(const PaletteForTest&) = delete;

 private:
  QPalette before_;
};

// Themes as desktops ship them: light text on dark grey, and a light one
// whose dark blue text reads on the light yellow too.
QPalette ThemePalette(QColor window, QColor base, QColor text) {
  QPalette p(text, window, window.lighter(130), window.darker(130), window.darker(115), text,
             Qt::white, base, window);
  p.setColor(QPalette::Highlight, QColor(61, 174, 233));
  p.setColor(QPalette::HighlightedText, text);
  return p;
}

struct Measured {
  ColorRef background = 0;
  ColorRef text = 0;
  double contrast = 1;
};

// Within rect of picture: the commonest colour is the background, the one
// that stands out from it most the text.
Measured Measure(const QImage& picture, const QRect& rect) {
  std::map<QRgb, int> counts;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) ++counts[picture.pixel(x, y) | 0xFF000000u];
  }
  Measured m;
  int most = 0;
  for (const auto& [rgb, count] : counts) {
    if (count > most) {
      most = count;
      m.background = ToColorRef(QColor(rgb));
    }
  }
  for (const auto& [rgb, count] : counts) {
    const double contrast = view::ContrastRatio(m.background, ToColorRef(QColor(rgb)));
    if (contrast > m.contrast) {
      m.contrast = contrast;
      m.text = ToColorRef(QColor(rgb));
    }
  }
  return m;
}

TEST_F(KeyboardAndTheme, ADarkThemeChosenWhileOpenLeavesEveryTextReadable) {
  Open();
  // The whole window, the information block below the rows too.
  view->resize(view->childrenRect().united(view->rect()).size());
  const std::vector<std::pair<std::string, QPalette>> themes = {
      {"navy on white", ThemePalette(QColor(239, 239, 239), QColor(255, 255, 255), QColor(0, 0, 128))},
      {"Breeze Dark", ThemePalette(QColor(49, 54, 59), QColor(35, 38, 41), QColor(239, 240, 241))},
      {"Adwaita-dark", ThemePalette(QColor(53, 53, 53), QColor(45, 45, 45), QColor(255, 255, 255))},
  };
  for (const auto& [theme, palette] : themes) {
    SCOPED_TRACE(theme);
    const PaletteForTest chosen(palette);
    const QImage picture = view->grab().toImage();
    int yellow = 0;
    for (const Control* control : form->Controls()) {
      if (control->Kind() != ControlKind::kTextBox && control->Kind() != ControlKind::kComboBox) continue;
      const QWidget* widget = view->WidgetFor(*control);
      // Inside the frame, which is no text.
      const QRect inside = QRect(widget->mapTo(view.get(), QPoint(0, 0)), widget->size()).adjusted(3, 3, -3, -3);
      const Measured m = Measure(picture, inside);
      EXPECT_GE(m.contrast, view::kReadableContrast)
          << control->name << ": text " << std::hex << m.text << " on " << m.background;
      if (control->Kind() != ControlKind::kTextBox) continue;
      if (static_cast<const TextBox*>(control)->BackColor() != frmTime::kLightYellow) {
        EXPECT_EQ(m.background, ToColorRef(palette.color(QPalette::Base))) << control->name;
        continue;
      }
      ++yellow;
      EXPECT_EQ(m.background, frmTime::kLightYellow) << control->name;
      // The theme's own text where it reads on the yellow, else black.
      for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        EXPECT_EQ(ToColorRef(widget->palette().color(group, QPalette::Text)),
                  view::ReadableTextColor(frmTime::kLightYellow,
                                          ToColorRef(palette.color(group, QPalette::Text))))
            << control->name << " in colour group " << group;
      }
    }
    EXPECT_EQ(yellow, 3) << "rows 2 to 4 are in daylight saving time";
  }
}

TEST_F(KeyboardAndTheme, AScreenReaderHearsWhichRowsAreInDaylightSavingTime) {
  Open();
  const auto name = [&](const TextBox& box) {
    return QAccessible::queryAccessibleInterface(&Edit(box))->text(QAccessible::Name);
  };
  const auto description = [&](const TextBox& box) {
    return QAccessible::queryAccessibleInterface(&Edit(box))->text(QAccessible::Description);
  };
  ASSERT_EQ(form->Text0.BackColor(), kColorWindow);
  ASSERT_EQ(form->Text1.BackColor(), frmTime::kLightYellow);
  EXPECT_EQ(name(form->Text0), "Time 1");
  EXPECT_EQ(name(form->Text1), "Time 2, daylight saving time");
  EXPECT_EQ(description(form->Text1).toStdString(), form->Text1.toolTipText);

  // Row 2 on India, which keeps no daylight saving time, and back.
  form->ComboTZ[1].SetListIndex(kCalcutta);
  EXPECT_EQ(name(form->Text1), "Time 2");
  form->ComboTZ[1].SetListIndex(kBerlin);
  EXPECT_EQ(name(form->Text1), "Time 2, daylight saving time");
}

}  // namespace
}  // namespace tellux
