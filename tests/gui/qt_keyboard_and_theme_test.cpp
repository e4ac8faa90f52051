// The window for someone who works it from the keyboard alone, and for
// someone on a dark theme or with a screen reader.

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
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/linux/qt/box_palette.h"
#include "platform/linux/qt/frm_time_view.h"
#include "platform/linux/qt/zone_search.h"
#include "tests/doubles/call_counter.h"
#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"
#include "window/view_rules.h"

namespace tellux {
namespace {

using testing::CallCounter;

// The seven zones' places in the lists.
constexpr int kCalcutta = 0, kBerlin = 1, kLondon = 2, kReykjavik = 3, kCentral = 5;

class KeyboardAndTheme : public ::testing::Test {
 protected:
  // Rows 1..4 on India, W. Europe, Central and Eastern: in June, as the
  // clock stands, all but India keep daylight saving time.
  void SetUp() override {
    testing::AddSevenZones(env.registry);
    testing::StoreFourPanels(env.settings);
    env.clock.SetZone(480, "Pacific Standard Time", "Pacific Daylight Time");
    form = std::make_unique<frmTime>(env.services());
    view = std::make_unique<QtFrmTimeView>(*form);
    view->Start();
    form->Timer1.Fire();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }

  QLineEdit& Edit(const TextBox& box) { return *view->LineEditFor(box); }
  QComboBox& Combo(int i) { return *view->ComboFor(form->ComboTZ[static_cast<std::size_t>(i)]); }

  // Letters 100 ms apart from atMs on: the zone search ends a word at a pause.
  static void TypeAt(QWidget& target, const QString& letters, qint64 atMs) {
    for (const QChar letter : letters) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
      press.setTimestamp(static_cast<quint64>(atMs += 100));
      QApplication::sendEvent(&target, &press);
    }
  }

  testing::TestServices env;
  std::unique_ptr<frmTime> form;
  std::unique_ptr<QtFrmTimeView> view;
};

// --- The keyboard alone ------------------------------------------------------------

TEST_F(KeyboardAndTheme, UpAndDownInATimeBoxStepItsHourAndTheOtherRowsFollow) {
  QLineEdit& edit = Edit(form->Text1);
  edit.setFocus(Qt::TabFocusReason);
  const std::string hour = form->Text1.Text();
  const std::string otherRow = form->Text3.Text();
  CallCounter ups(form->UpDown[1].UpClick);
  CallCounter downs(form->UpDown[1].DownClick);

  QTest::keyClick(&edit, Qt::Key_Up);
  EXPECT_EQ(ups.calls, 1);
  EXPECT_NE(form->Text1.Text(), hour);
  EXPECT_NE(form->Text3.Text(), otherRow);
  EXPECT_EQ(Edit(form->Text3).text().toStdString(), form->Text3.Text());
  QTest::keyClick(&edit, Qt::Key_Down);
  EXPECT_EQ(downs.calls, 1);
  EXPECT_EQ(edit.text().toStdString(), hour);
  EXPECT_EQ(form->Text3.Text(), otherRow);
  EXPECT_TRUE(edit.hasFocus());
  EXPECT_EQ(view->UpButton(form->UpDown[1])->focusPolicy(), Qt::NoFocus) << "out of the Tab ring";
}

TEST_F(KeyboardAndTheme, LettersTypedIntoAClosedListPickTheZoneOnce) {
  QComboBox& combo = Combo(2);
  combo.setFocus(Qt::TabFocusReason);
  CallCounter clicks(form->ComboTZ[2].Click);
  // No word begins with "(", but the key is the search's: the list's own
  // type-ahead would step to the next "(GMT".
  TypeAt(combo, "(", 1000);
  EXPECT_EQ(clicks.calls, 0);
  EXPECT_EQ(combo.currentIndex(), kCentral);

  TypeAt(combo, "ber", 3000);
  EXPECT_EQ(clicks.calls, 1) << "b found Berlin; e and r kept it";
  EXPECT_EQ(form->ComboTZ[2].ListIndex(), kBerlin);
  EXPECT_EQ(combo.currentIndex(), kBerlin);
  TypeAt(combo, "lon", 6000);  // after a pause, a new search
  EXPECT_EQ(clicks.calls, 2);
  EXPECT_EQ(combo.currentIndex(), kLondon);
}

TEST_F(KeyboardAndTheme, LettersTypedIntoAnOpenListMoveItsRowToThePick) {
  QComboBox& combo = Combo(2);
  combo.setFocus(Qt::TabFocusReason);
  combo.showPopup();
  QAbstractItemView& popup = *combo.view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup.window()));
  CallCounter clicks(form->ComboTZ[2].Click);

  TypeAt(popup, "rey", 1000);
  EXPECT_EQ(clicks.calls, 1);
  EXPECT_EQ(popup.currentIndex().row(), kReykjavik);
  QTest::keyClick(&popup, Qt::Key_Escape);  // closed without choosing: the pick stays
  EXPECT_TRUE(QTest::qWaitFor([&] { return !popup.isVisible(); }));
  EXPECT_EQ(clicks.calls, 1);
  EXPECT_EQ(form->ComboTZ[2].ListIndex(), kReykjavik);
  EXPECT_EQ(combo.currentIndex(), kReykjavik);
}

TEST_F(KeyboardAndTheme, CtrlAndARowsNumberChooseTheCaptionRowFromAnywhere) {
  for (QWidget* from :
       {static_cast<QWidget*>(&Edit(form->Text0)), static_cast<QWidget*>(&Combo(1))}) {
    from->setFocus(Qt::TabFocusReason);
    for (std::size_t row = 0; row < 4; ++row) {
      QTest::keyClick(from, static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(row)),
                      Qt::ControlModifier);
      for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(form->Option1[i].Value(), i == row) << row;
        EXPECT_EQ(view->RadioFor(form->Option1[i])->isChecked(), i == row) << row;
      }
      EXPECT_TRUE(from->hasFocus()) << "the round buttons take no focus";
      EXPECT_FALSE(view->RadioFor(form->Option1[row])->focusPolicy() & Qt::TabFocus);
    }
  }
  QTest::keyClick(&Combo(1), Qt::Key_3, Qt::ControlModifier);
  form->Timer1.Fire();
  EXPECT_EQ(view->windowTitle().toStdString(), form->txtTime[2].Text() + " Central Time");
}

TEST(QtZoneSearchLetters, CaseAndAccentsFoldTheSameInEveryLanguage) {
  const QtZoneSearch search;
  EXPECT_TRUE(search.BeginsWith("Zürich", "ZUR"));
  EXPECT_TRUE(search.BeginsWith("São Paulo", "sao p"));
  EXPECT_FALSE(search.BeginsWith("Zürich", "rich"));
  EXPECT_FALSE(search.BeginsWith("Zürich", ""));
}

// --- Any theme, and a screen reader --------------------------------------------------

// Themes as desktops ship them: a light one whose dark blue text reads on the
// yellow too, and dark ones with light text on dark grey.
QPalette Theme(QColor window, QColor base, QColor text) {
  return {
      text, window, window.lighter(130), window.darker(130), window.darker(115), text, Qt::white,
      base, window};
}

// In rect of picture: the commonest colour is the background, and the text
// the one that stands out from it most.
std::pair<ColorRef, double> BackgroundAndContrast(const QImage& picture, const QRect& rect) {
  std::map<QRgb, int> counts;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) ++counts[picture.pixel(x, y)];
  }
  QRgb background = counts.begin()->first;
  for (const auto& [rgb, count] : counts) {
    if (count > counts[background]) background = rgb;
  }
  const ColorRef back = ToColorRef(QColor(background));
  double contrast = 1;
  for (const auto& [rgb, count] : counts) {
    contrast = std::max(contrast, view::ContrastRatio(back, ToColorRef(QColor(rgb))));
  }
  return {back, contrast};
}

TEST_F(KeyboardAndTheme, AThemeChosenWhileOpenLeavesEveryTextReadable) {
  view->resize(view->childrenRect().united(view->rect()).size());  // the information block too
  const QPalette before = QApplication::palette();
  const std::map<std::string, QPalette> themes = {
      {"navy on white", Theme(QColor(239, 239, 239), Qt::white, QColor(0, 0, 128))},
      {"Breeze Dark", Theme(QColor(49, 54, 59), QColor(35, 38, 41), QColor(239, 240, 241))},
      {"Adwaita-dark", Theme(QColor(53, 53, 53), QColor(45, 45, 45), Qt::white)}};
  for (const auto& [name, theme] : themes) {
    SCOPED_TRACE(name);
    QApplication::setPalette(theme);
    QCoreApplication::processEvents();  // as a desktop's change reaches the window
    const QImage picture = view->grab().toImage();
    int yellow = 0;
    for (const Control* control : form->Controls()) {
      const bool box = control->Kind() == ControlKind::kTextBox;
      if (!box && control->Kind() != ControlKind::kComboBox) continue;
      const QWidget* widget = view->WidgetFor(*control);
      const QRect inside =
          QRect(widget->mapTo(view.get(), QPoint()), widget->size()).adjusted(3, 3, -3, -3);
      const auto [background, contrast] = BackgroundAndContrast(picture, inside);
      EXPECT_GE(contrast, view::kReadableContrast) << control->name;
      if (!box) continue;
      if (static_cast<const TextBox*>(control)->BackColor() != frmTime::kLightYellow) {
        EXPECT_EQ(background, ToColorRef(theme.color(QPalette::Base))) << control->name;
        continue;
      }
      ++yellow;
      EXPECT_EQ(background, frmTime::kLightYellow) << control->name;
      for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        EXPECT_EQ(ToColorRef(widget->palette().color(group, QPalette::Text)),
                  view::ReadableTextColor(frmTime::kLightYellow,
                                          ToColorRef(theme.color(group, QPalette::Text))))
            << control->name << ", colour group " << group;
      }
    }
    EXPECT_EQ(yellow, 3);
  }
  QApplication::setPalette(before);
  QCoreApplication::processEvents();
}

TEST_F(KeyboardAndTheme, AScreenReaderHearsWhichRowsAreInDaylightSavingTime) {
  const auto said = [&](const TextBox& box, QAccessible::Text what) {
    return QAccessible::queryAccessibleInterface(&Edit(box))->text(what).toStdString();
  };
  EXPECT_EQ(said(form->Text0, QAccessible::Name), "Time 1");
  EXPECT_EQ(said(form->Text1, QAccessible::Name), "Time 2, daylight saving time");
  EXPECT_EQ(said(form->Text1, QAccessible::Description), form->Text1.toolTipText);
  form->ComboTZ[1].SetListIndex(kCalcutta);  // India keeps no daylight saving time
  EXPECT_EQ(said(form->Text1, QAccessible::Name), "Time 2");
}

}  // namespace
}  // namespace tellux
