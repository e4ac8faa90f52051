// The window for someone who works it from the keyboard alone, and for
// someone on a dark theme or with a screen reader: the hour stepped with Up
// and Down, a zone found by typing its name, the caption's row chosen with
// Ctrl and a digit; every text readable on its background, and daylight
// saving told in words as well as in colour.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/linux/qt_box_palette.h"
#include "platform/linux/qt_frm_time_view.h"
#include "platform/linux/qt_zone_search.h"
#include "tests/doubles/call_counter.h"
#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"
#include "window/view_rules.h"

namespace tellux {
namespace {

using testing::CallCounter;
using testing::ProgramEnded;

// The lists of the seven zones, as the catalogue sorts them.
constexpr int kCalcutta = 0;
constexpr int kBerlin = 1;
constexpr int kLondon = 2;
constexpr int kReykjavik = 3;
constexpr int kCentral = 5;

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

  // Letters typed one by one, 100 ms apart from atMs on, as a keyboard
  // sends them: the zone search tells one word from the next by the pause.
  static void TypeAt(QWidget& target, const QString& letters, qint64 atMs) {
    for (const QChar letter : letters) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
      press.setTimestamp(static_cast<quint64>(atMs));
      QApplication::sendEvent(&target, &press);
      atMs += 100;
    }
  }

  testing::TestServices env;
  std::unique_ptr<frmTime> form;
  std::unique_ptr<QtFrmTimeView> view;
};

// --- The keyboard alone ----------------------------------------------------------

TEST_F(KeyboardAndTheme, UpAndDownInATimeBoxStepItsHourAndTheOtherRowsFollow) {
  Open();
  QLineEdit& edit = Edit(form->Text1);
  edit.setFocus(Qt::TabFocusReason);
  const std::string hour = form->Text1.Text();
  const std::string otherRow = form->Text3.Text();
  CallCounter ups(form->UpDown[1].UpClick);
  CallCounter downs(form->UpDown[1].DownClick);

  QTest::keyClick(&edit, Qt::Key_Up);
  EXPECT_EQ(ups.calls, 1);
  EXPECT_NE(form->Text1.Text(), hour);
  EXPECT_EQ(edit.text().toStdString(), form->Text1.Text());
  EXPECT_NE(form->Text3.Text(), otherRow);
  EXPECT_EQ(Edit(form->Text3).text().toStdString(), form->Text3.Text());

  QTest::keyClick(&edit, Qt::Key_Down);
  EXPECT_EQ(downs.calls, 1);
  EXPECT_EQ(form->Text1.Text(), hour);
  EXPECT_EQ(form->Text3.Text(), otherRow);
  EXPECT_TRUE(edit.hasFocus()) << "the spin takes no focus";

  // A box with no spin beside it keeps its keys.
  CallCounter anyUp(form->UpDown[0].UpClick);
  QTest::keyClick(&Edit(form->txtLocTime), Qt::Key_Up);
  EXPECT_EQ(anyUp.calls + ups.calls, 1);
}

TEST_F(KeyboardAndTheme, LettersTypedIntoAClosedListPickTheZoneOnce) {
  Open();
  QComboBox& combo = Combo(2);
  combo.setFocus(Qt::TabFocusReason);
  ASSERT_EQ(form->ComboTZ[2].ListIndex(), kCentral);
  CallCounter clicks(form->ComboTZ[2].Click);

  // A letter no word begins with is the search's all the same, not the
  // list's own, which would step to the next "(GMT".
  TypeAt(combo, "(", 1000);
  EXPECT_EQ(clicks.calls, 0);
  EXPECT_EQ(combo.currentIndex(), kCentral);

  TypeAt(combo, "ber", 3000);
  EXPECT_EQ(clicks.calls, 1) << "b found Berlin; e and r kept it";
  EXPECT_EQ(form->ComboTZ[2].ListIndex(), kBerlin);
  EXPECT_EQ(combo.currentIndex(), kBerlin);

  // After a pause, a new search.
  TypeAt(combo, "lon", 6000);
  EXPECT_EQ(clicks.calls, 2);
  EXPECT_EQ(form->ComboTZ[2].ListIndex(), kLondon);
  EXPECT_EQ(combo.currentIndex(), kLondon);
}

TEST_F(KeyboardAndTheme, LettersTypedIntoAnOpenListMoveItsRowToThePick) {
  Open();
  QComboBox& combo = Combo(2);
  combo.setFocus(Qt::TabFocusReason);
  combo.showPopup();
  QAbstractItemView& popup = *combo.view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup.window()));
  CallCounter clicks(form->ComboTZ[2].Click);

  TypeAt(popup, "rey", 1000);
  EXPECT_EQ(clicks.calls, 1);
  EXPECT_EQ(form->ComboTZ[2].ListIndex(), kReykjavik);
  EXPECT_EQ(popup.currentIndex().row(), kReykjavik);
  EXPECT_EQ(combo.currentIndex(), kReykjavik);

  // Closed without choosing, the list keeps what typing picked.
  QTest::keyClick(&popup, Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !popup.isVisible(); }));
  EXPECT_EQ(clicks.calls, 1);
  EXPECT_EQ(combo.currentIndex(), kReykjavik);
}

TEST_F(KeyboardAndTheme, CtrlAndARowsNumberChooseTheCaptionRowAsAClickDoes) {
  Open();
  QWidget& box = Edit(form->Text0);
  box.setFocus(Qt::TabFocusReason);

  QTest::keyClick(&box, Qt::Key_3, Qt::ControlModifier);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(form->Option1[i].Value(), i == 2) << i;
    EXPECT_EQ(view->RadioFor(form->Option1[i])->isChecked(), i == 2) << i;
  }
  EXPECT_TRUE(box.hasFocus()) << "the round button takes no focus";
  form->Timer1.Fire();
  EXPECT_EQ(form->Caption(), form->txtTime[2].Text() + " Central Time");
  EXPECT_EQ(view->windowTitle().toStdString(), form->Caption());

  // From a list as well: anywhere in the window.
  Combo(1).setFocus(Qt::TabFocusReason);
  QTest::keyClick(&Combo(1), Qt::Key_2, Qt::ControlModifier);
  EXPECT_TRUE(form->Option1[1].Value());
  EXPECT_THROW(view->CloseWindow(), ProgramEnded);
  EXPECT_EQ(*env.settings.Find("Selection"), "2");
}

TEST_F(KeyboardAndTheme, TabNeverStopsAtASpinOrARoundButton) {
  Open();
  Edit(form->Text0).setFocus(Qt::TabFocusReason);
  for (int step = 0; step < 10; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const QWidget* at = QApplication::focusWidget();
    ASSERT_NE(at, nullptr);
    EXPECT_EQ(qobject_cast<const QRadioButton*>(at), nullptr) << step;
    EXPECT_EQ(qobject_cast<const QToolButton*>(at), nullptr) << step;
  }
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(view->UpButton(form->UpDown[i])->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(view->DownButton(form->UpDown[i])->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(view->RadioFor(form->Option1[i])->focusPolicy() & Qt::TabFocus);
  }
}

// Without the program's search the view still finds "Zürich" by "zur".
TEST(QtZoneSearchLetters, CaseAndAccentsFoldTheSameInEveryLanguage) {
  const QtZoneSearch search;
  EXPECT_TRUE(search.BeginsWith("Zürich", "ZUR"));
  EXPECT_TRUE(search.BeginsWith("Zurich", "zür"));
  EXPECT_TRUE(search.BeginsWith("São Paulo", "sao p"));
  EXPECT_FALSE(search.BeginsWith("Zürich", "rich"));
  EXPECT_FALSE(search.BeginsWith("Zürich", ""));
  EXPECT_TRUE(search.PlacesOf("AUS Eastern Standard Time").empty());
}

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
