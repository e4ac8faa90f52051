// The window as the user sees it on the test doubles: the four rows filled
// at start-up, where everything sits, how the keyboard moves through it, and
// that what the user does (and only that) reaches the form's handlers.

#include "platform/linux/qt/frm_time_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <string>

#include "tests/doubles/call_counter.h"
#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"
#include "tests/gui/caret_rest_probe.h"

namespace tellux {

// The view's one-second timer, which these tests run and stop themselves.
struct QtFrmTimeViewProbe {
  static QTimer& Timer(QtFrmTimeView& view) { return view.timer_; }
  static CaretRest& Caret(QtFrmTimeView& view) { return view.caretRest_; }
};

namespace {

using testing::CallCounter;
using testing::ProgramEnded;
using testing::TestServices;

class QtFrmTimeViewTest : public ::testing::Test {
 protected:
  QtFrmTimeViewTest() {
    testing::AddSevenZones(env.registry);
    env.clock.SetZone(480, "Pacific Standard Time", "Pacific Daylight Time");
  }

  // Makes the form and its window; the doubles must be set up by then.
  QtFrmTimeView& Open() {
    form = std::make_unique<frmTime>(env.services());
    view = std::make_unique<QtFrmTimeView>(*form);
    view->Start();
    return *view;
  }

  // Opens the window and gives it the keyboard, as the user's desktop does.
  QtFrmTimeView& OpenActive() {
    Open();
    view->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(view.get()));
    return *view;
  }

  QLineEdit& Edit(const TextBox& box) { return *view->LineEditFor(box); }
  QComboBox& Combo(int i) { return *view->ComboFor(form->ComboTZ[static_cast<std::size_t>(i)]); }

  TestServices env;
  std::unique_ptr<frmTime> form;
  std::unique_ptr<QtFrmTimeView> view;
};

// --- Opening the window ------------------------------------------------------

TEST_F(QtFrmTimeViewTest, OpensWithFourRowsListingEveryZoneAndOneChosen) {
  env.settings.Store("TimeZone3", "5");
  Open();

  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(view->windowTitle(), "Tellux Time 2.3");
  ASSERT_EQ(form->Catalogue.Count(), 7);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    QComboBox& combo = Combo(i);
    ASSERT_EQ(combo.count(), 7);
    for (int k = 0; k < 7; ++k) {
      EXPECT_EQ(combo.itemText(k).toStdString(), form->Catalogue.DisplayName[static_cast<std::size_t>(k) + 1]);
    }
    EXPECT_NE(combo.currentIndex(), -1);
    EXPECT_EQ(combo.currentIndex(), form->ComboTZ[static_cast<std::size_t>(i)].ListIndex());
    EXPECT_FALSE(combo.isEditable());
  }
  EXPECT_EQ(Combo(2).currentIndex(), 5);
  EXPECT_EQ(Combo(2).currentText(), QString::fromStdString(form->Catalogue.DisplayName[6]));
}

TEST_F(QtFrmTimeViewTest, ManyZonesAllReachEveryList) {
  testing::AddManyZones(env.registry, 140);
  Open();
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(Combo(i).count(), form->ComboTZ[static_cast<std::size_t>(i)].ListCount());
    EXPECT_EQ(Combo(i).count(), 147);
    EXPECT_EQ(Combo(i).itemText(146).toStdString(), form->ComboTZ[static_cast<std::size_t>(i)].List(146));
  }
}

TEST_F(QtFrmTimeViewTest, TimeBoxesAndOptionsShowTheModel) {
  env.settings.Store("Selection", "3");
  Open();
  form->Timer1.Fire();  // the first tick sets the panels' times

  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const TextBox& box = form->PanelBox(i);
    EXPECT_FALSE(box.Text().empty());
    EXPECT_EQ(Edit(box).text().toStdString(), box.Text());
    EXPECT_EQ(view->RadioFor(form->Option1[static_cast<std::size_t>(i)])->isChecked(), i == 2);
  }
  EXPECT_EQ(view->windowTitle().toStdString(), form->Caption());
  EXPECT_EQ(Edit(form->txtLocTime).text().toStdString(), form->txtLocTime.Text());
}

// A message during start-up (here: no catalogue) comes before the window, and
// nothing ticks until the load is over.
class WindowStateAtMessage final : public MessageBoxService {
 public:
  const QtFrmTimeView* view = nullptr;
  int shown = 0;
  bool windowVisible = true;
  bool timerRunning = true;
  void Show(std::string_view, std::string_view) override {
    ++shown;
    windowVisible = view->isVisible();
    timerRunning = QtFrmTimeViewProbe::Timer(*const_cast<QtFrmTimeView*>(view)).isActive();
  }
};

TEST_F(QtFrmTimeViewTest, LoadsTheFormBeforeShowingTheWindowOrStartingTheTimer) {
  env.registry.catalogueMissing = true;
  WindowStateAtMessage messages;
  const Services services{env.registry, env.clock, env.locale, env.dates,
                          env.settings, messages,  env.end};
  frmTime loadedForm(services);
  QtFrmTimeView window(loadedForm);
  messages.view = &window;

  EXPECT_FALSE(QtFrmTimeViewProbe::Timer(window).isActive());
  window.Start();

  EXPECT_EQ(messages.shown, 1);
  EXPECT_FALSE(messages.windowVisible);
  EXPECT_FALSE(messages.timerRunning);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(QtFrmTimeViewProbe::Timer(window).isActive());
  EXPECT_EQ(QtFrmTimeViewProbe::Timer(window).interval(), loadedForm.Timer1.interval);
}

TEST_F(QtFrmTimeViewTest, TheTimerTicksTheForm) {
  Open();
  const QString opened = view->windowTitle();
  // Due at once rather than in a second; the wait is for the event, not a time.
  QtFrmTimeViewProbe::Timer(*view).setInterval(0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return view->windowTitle() != opened; }));
  QtFrmTimeViewProbe::Timer(*view).stop();
  EXPECT_EQ(view->windowTitle().toStdString(), form->Caption());
  EXPECT_EQ(Edit(form->txtSysTime).text().toStdString(), form->txtSysTime.Text());
}

// --- Where things are -------------------------------------------------------

TEST_F(QtFrmTimeViewTest, EveryControlSitsWhereTheLayoutPutsIt) {
  Open();
  QWidget* frame = view->WidgetFor(form->Frame1);
  ASSERT_NE(qobject_cast<QGroupBox*>(frame), nullptr);
  EXPECT_EQ(qobject_cast<QGroupBox*>(frame)->title(), "Time Zone Info");
  EXPECT_EQ(view->WidgetFor(form->txtTZBias)->parentWidget(), frame);
  EXPECT_EQ(view->WidgetFor(form->txtTime[3])->parentWidget(), frame);
  EXPECT_EQ(view->WidgetFor(form->Text0)->parentWidget(), view.get());

  // The spin control is two arrows, one above the other, filling it.
  const QToolButton* up = view->UpButton(form->UpDown[0]);
  const QToolButton* down = view->DownButton(form->UpDown[0]);
  EXPECT_EQ(up->arrowType(), Qt::UpArrow);
  EXPECT_EQ(down->arrowType(), Qt::DownArrow);
  EXPECT_TRUE(up->autoRepeat() && down->autoRepeat());
  EXPECT_EQ(up->geometry().bottom() + 1, down->geometry().top());
  EXPECT_EQ(down->geometry().bottom() + 1, view->WidgetFor(form->UpDown[0])->height());

  if (view->logicalDpiX() != 96 || view->logicalDpiY() != 96) GTEST_SKIP() << "screen is not 96 DPI";
  // The window opens on the four rows: 6045 x 1305 twips.
  EXPECT_EQ(view->size(), QSize(403, 87));
  EXPECT_EQ(view->WidgetFor(form->Text1)->geometry(), QRect(16, 22, 55, 21));
  EXPECT_EQ(view->WidgetFor(form->UpDown[1])->geometry(), QRect(72, 22, 16, 21));
  EXPECT_EQ(view->WidgetFor(form->ComboTZ[3])->geometry(), QRect(90, 66, 313, 21));
  EXPECT_EQ(view->WidgetFor(form->Option1[2])->geometry(), QRect(0, 46, 13, 15));
  EXPECT_EQ(view->WidgetFor(form->txtTZBias)->geometry(), QRect(84, 24, 101, 19));
  // The information block lies below the rows, outside the first view.
  EXPECT_GE(view->WidgetFor(form->txtLocTime)->geometry().top(), view->height());
}

TEST_F(QtFrmTimeViewTest, CaptionsShowInFullWhateverTheFont) {
  Open();
  for (const Label& label : form->Label2) {
    const QWidget* widget = view->WidgetFor(label);
    EXPECT_EQ(widget->property("text").toString().toStdString(), label.caption);
    EXPECT_GE(widget->width(), widget->sizeHint().width()) << label.name;
  }
}

TEST(QtFrmTimeViewScaling, TwipsScaleWithTheScreensDpi) {
  EXPECT_EQ(QtFrmTimeView::TwipsToPixels(1440, 96), 96);
  EXPECT_EQ(QtFrmTimeView::TwipsToPixels(825, 96), 55);
  EXPECT_EQ(QtFrmTimeView::TwipsToPixels(1440, 144), 144);
  EXPECT_EQ(QtFrmTimeView::TwipsToPixels(825, 120), 69);  // 68.75 rounds up
  EXPECT_EQ(QtFrmTimeView::TwipsToPixels(0, 120), 0);
}

// --- Names, tips and the keyboard ---------------------------------------------

TEST_F(QtFrmTimeViewTest, ScreenReadersHearEachControlsName) {
  Open();
  const QWidget* text0 = view->WidgetFor(form->Text0);
  EXPECT_EQ(text0->accessibleName(), "Time 1");
  EXPECT_EQ(text0->toolTip().toStdString(), form->Text0.toolTipText);
  EXPECT_EQ(text0->accessibleDescription(), text0->toolTip());
  EXPECT_EQ(view->WidgetFor(form->ComboTZ[2])->accessibleName(), "Zone 3");
  EXPECT_EQ(view->RadioFor(form->Option1[3])->accessibleName(), "Title bar zone 4");
  EXPECT_EQ(view->RadioFor(form->Option1[3])->toolTip().toStdString(), form->Option1[3].toolTipText);
  EXPECT_EQ(view->UpButton(form->UpDown[1])->accessibleName(), "Hour up 2");
  EXPECT_EQ(view->DownButton(form->UpDown[1])->accessibleName(), "Hour down 2");
}

TEST_F(QtFrmTimeViewTest, TabGoesThroughTheTimesThenTheZonesAndRoundAgain) {
  OpenActive();
  view->WidgetFor(form->Text0)->setFocus(Qt::OtherFocusReason);
  const std::vector<const Control*> expected = {
      &form->Text1,      &form->Text2,      &form->Text3,      &form->ComboTZ[0],
      &form->ComboTZ[1], &form->ComboTZ[2], &form->ComboTZ[3], &form->Text0};
  for (const Control* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), view->WidgetFor(*next)) << "expected " << next->name;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), view->WidgetFor(form->ComboTZ[3]));

  // Options, arrows and the information boxes are reached by the mouse only.
  EXPECT_FALSE(view->RadioFor(form->Option1[0])->focusPolicy() & Qt::TabFocus);
  EXPECT_EQ(view->UpButton(form->UpDown[0])->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(view->DownButton(form->UpDown[0])->focusPolicy(), Qt::NoFocus);
  EXPECT_FALSE(view->WidgetFor(form->txtTZName)->focusPolicy() & Qt::TabFocus);
}

// Left open and alone, the window stops blinking its caret; a key in any of
// its boxes brings the blinking back.
TEST_F(QtFrmTimeViewTest, TheCaretRestsUntilTheUserTouchesAnyBox) {
  OpenActive();
  CaretRest& caret = QtFrmTimeViewProbe::Caret(*view);
  QTimer& wait = CaretRestProbe::Timer(caret);
  EXPECT_TRUE(wait.isActive()) << "the focus in the first box starts the wait";
  for (const TextBox* box : {&form->Text0, &form->Text3, &form->txtLocTime}) {
    SCOPED_TRACE(box->name);
    wait.start(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return caret.Resting(); }));
    QTest::keyClick(&Edit(*box), Qt::Key_End);
    EXPECT_FALSE(caret.Resting());
  }
}

// --- What the user does reaches the form ---------------------------------------

TEST_F(QtFrmTimeViewTest, TypingATimeRaisesChangeForEachKeyAndTheOtherPanelsFollow) {
  OpenActive();
  form->Timer1.Fire();
  QLineEdit& edit = Edit(form->Text1);
  edit.setFocus(Qt::MouseFocusReason);
  const std::string text2Before = form->Text2.Text();

  CallCounter changes(form->Text1.Change);
  QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);  // select all, to type over it
  QTest::keyClicks(&edit, "3:45 PM");

  EXPECT_EQ(changes.calls, 7);
  EXPECT_EQ(form->Text1.Text(), "3:45 PM");
  EXPECT_EQ(edit.text(), "3:45 PM");
  EXPECT_EQ(edit.cursorPosition(), 7);
  EXPECT_NE(form->Text2.Text(), text2Before);
  EXPECT_EQ(Edit(form->Text2).text().toStdString(), form->Text2.Text());
}

TEST_F(QtFrmTimeViewTest, LeavingATimeBoxRaisesLostFocusOnce) {
  OpenActive();
  QLineEdit& edit = Edit(form->Text1);
  edit.setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(edit.hasFocus());

  CallCounter leaves(form->Text1.LostFocus);
  QTest::keyClick(&edit, Qt::Key_Tab);

  EXPECT_EQ(leaves.calls, 1);
  EXPECT_FALSE(edit.hasFocus());
  EXPECT_EQ(edit.text().toStdString(), form->Text1.Text());
}

TEST_F(QtFrmTimeViewTest, SwitchingToAnotherWindowIsNotLeavingTheBox) {
  OpenActive();
  QLineEdit& edit = Edit(form->Text1);
  edit.setFocus(Qt::MouseFocusReason);
  CallCounter leaves(form->Text1.LostFocus);

  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));

  EXPECT_EQ(leaves.calls, 0);
}

TEST_F(QtFrmTimeViewTest, PickingAZoneRaisesItsClickAndIsRememberedOnClose) {
  OpenActive();
  QComboBox& combo = Combo(2);
  combo.setFocus(Qt::TabFocusReason);
  const int before = form->ComboTZ[2].ListIndex();
  ASSERT_LT(before, 6);

  CallCounter clicks(form->ComboTZ[2].Click);
  QTest::keyClick(&combo, Qt::Key_Down);

  EXPECT_EQ(clicks.calls, 1);
  EXPECT_EQ(form->ComboTZ[2].ListIndex(), before + 1);
  EXPECT_EQ(combo.currentIndex(), before + 1);

  EXPECT_THROW(view->CloseWindow(), ProgramEnded);
  ASSERT_NE(env.settings.Find("TimeZone3"), nullptr);
  EXPECT_EQ(*env.settings.Find("TimeZone3"), std::to_string(before + 1));
}

TEST_F(QtFrmTimeViewTest, ArrowButtonsRaiseUpAndDownClicks) {
  Open();
  form->Timer1.Fire();
  CallCounter ups(form->UpDown[1].UpClick);
  CallCounter downs(form->UpDown[1].DownClick);
  const std::string first = form->Text1.Text();

  QTest::mouseClick(view->UpButton(form->UpDown[1]), Qt::LeftButton);
  EXPECT_EQ(ups.calls, 1);
  EXPECT_EQ(downs.calls, 0);
  EXPECT_NE(form->Text1.Text(), first);
  EXPECT_EQ(Edit(form->Text1).text().toStdString(), form->Text1.Text());

  QTest::mouseClick(view->DownButton(form->UpDown[1]), Qt::LeftButton);
  EXPECT_EQ(ups.calls, 1);
  EXPECT_EQ(downs.calls, 1);
  EXPECT_EQ(form->Text1.Text(), first);
}

TEST_F(QtFrmTimeViewTest, ClickingAnOptionChoosesItAlone) {
  Open();
  QTest::mouseClick(view->RadioFor(form->Option1[1]), Qt::LeftButton);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(form->Option1[i].Value(), i == 1) << i;
    EXPECT_EQ(view->RadioFor(form->Option1[i])->isChecked(), i == 1) << i;
  }
  EXPECT_THROW(view->CloseWindow(), ProgramEnded);
  EXPECT_EQ(*env.settings.Find("Selection"), "2");
}

// --- What the program does shows, and does not come back as user input ---------

TEST_F(QtFrmTimeViewTest, ProgramSetTextsAndPicksDoNotEchoBack) {
  Open();
  // Once each, raised by the model itself; none coming back from the widgets.
  {
    CallCounter changes(form->Text2.Change);
    form->Text2.SetText("7:30 AM");
    EXPECT_EQ(changes.calls, 1);
  }
  {
    CallCounter clicks(form->ComboTZ[1].Click);
    form->ComboTZ[1].SetListIndex(4);
    EXPECT_EQ(clicks.calls, 1);
  }
  EXPECT_EQ(Edit(form->Text2).text().toStdString(), form->Text2.Text());
  EXPECT_EQ(Combo(1).currentIndex(), 4);
}

TEST_F(QtFrmTimeViewTest, ProgramSetTextKeepsTheCaretOfTheBoxBeingEdited) {
  OpenActive();
  form->Timer1.Fire();
  QLineEdit& edit = Edit(form->Text1);
  edit.setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(edit.hasFocus());
  edit.setCursorPosition(2);

  // The arrow buttons take no focus, so the box is still being edited.
  QTest::mouseClick(view->UpButton(form->UpDown[1]), Qt::LeftButton);

  EXPECT_TRUE(edit.hasFocus());
  EXPECT_EQ(edit.text().toStdString(), form->Text1.Text());
  EXPECT_EQ(edit.cursorPosition(), 2);
}

TEST_F(QtFrmTimeViewTest, WhatTheProgramSetsIsDrawn) {
  Open();
  QLineEdit& edit = Edit(form->Text2);
  const QColor normal = QApplication::palette(&edit).color(QPalette::Base);
  form->Text2.SetBackColor(frmTime::kLightYellow);
  EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(255, 255, 192));
  EXPECT_EQ(edit.palette().color(QPalette::Inactive, QPalette::Base), QColor(255, 255, 192));
  form->Text2.SetBackColor(kColorWindow);
  EXPECT_EQ(edit.palette().color(QPalette::Base), normal);

  // A text longer than its box shows its start, as it would on Windows.
  form->txtTZName.SetText("A zone name far longer than its box can show at once");
  EXPECT_EQ(Edit(form->txtTZName).cursorPosition(), 0);

  form->Option1[3].SetValue(true);
  EXPECT_TRUE(view->RadioFor(form->Option1[3])->isChecked());
  form->Option1[3].SetValue(false);  // the model may leave none chosen
  for (std::size_t i = 0; i < 4; ++i) EXPECT_FALSE(view->RadioFor(form->Option1[i])->isChecked()) << i;
}

TEST_F(QtFrmTimeViewTest, ClosingTheWindowStoresTheChoicesAndEndsTheProgram) {
  Open();
  EXPECT_THROW(view->CloseWindow(), ProgramEnded);
  EXPECT_EQ(env.end.ends, 1);
  for (const char* key : {"TimeZone1", "TimeZone2", "TimeZone3", "TimeZone4", "Selection"}) {
    EXPECT_NE(env.settings.Find(key), nullptr) << key;
  }
  EXPECT_FALSE(QtFrmTimeViewProbe::Timer(*view).isActive());
}

TEST_F(QtFrmTimeViewTest, AFormOutlivingItsWindowNoLongerDrawsIntoIt) {
  Open();
  view.reset();
  // With the hooks left behind these would reach freed widgets.
  form->Text0.SetText("1:00 PM");
  form->ComboTZ[0].AddItem("(GMT+14:00) Kiritimati");
  form->SetCaption("after");
  EXPECT_FALSE(form->Text0.ModelChanged);
  EXPECT_FALSE(form->CaptionChanged);
}

}  // namespace
}  // namespace tellux
