// The Qt window on the real ICU locale services, in Korean (day period
// before the hour) and Egyptian Arabic (Arabic-Indic digits, day period
// after): leaving a box and stepping an hour keep all four rows on the same
// time, and a time typed as the locale writes it reads as meant.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <array>
#include <memory>
#include <string>

#include "platform/linux/qt/frm_time_view.h"
#include "tests/doubles/call_counter.h"
#include "tests/reliability/real_locale_services.h"
#include "tests/window/rows_on_one_time_story.h"
#include "zonetime/calc_time.h"

namespace tellux {
namespace {

class LocaleWindow : public ::testing::TestWithParam<const char*> {
 public:
  void SetUp() override {
    real = std::make_unique<testing::RealLocaleServices>(GetParam());
    real->doubles.clock.utc = testing::MakeTime(2003, 6, 15, 14, 35, 20);
    testing::StoreFourPanels(real->doubles.settings);
    form = std::make_unique<frmTime>(real->services());
    view = std::make_unique<QtFrmTimeView>(*form);
    view->Start();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    form->Timer1.Fire();
    for (std::size_t j = 0; j < 4; ++j) offset[j] = (Minute(static_cast<int>(j)) - Minute(0) + 1440) % 1440;
  }
  int Minute(int panel) const {
    const SYSTEMTIME& t = form->PanelTime[static_cast<std::size_t>(panel)];
    return t.wHour * 60 + t.wMinute;
  }
  QLineEdit& Edit(int panel) { return *view->LineEditFor(form->PanelBox(panel)); }
  // Panel holds minuteOfDay, the others the same instant, and every box
  // shows what the form holds.
  void ExpectRows(int panel, int minuteOfDay) {
    EXPECT_EQ(Minute(panel), minuteOfDay) << Edit(panel).text().toStdString();
    const int base = (minuteOfDay - offset[static_cast<std::size_t>(panel)] + 1440) % 1440;
    for (int j = 0; j < 4; ++j) {
      EXPECT_EQ(Minute(j), (base + offset[static_cast<std::size_t>(j)]) % 1440) << "panel " << j;
      EXPECT_EQ(Edit(j).text().toStdString(), form->PanelBox(j).Text()) << "panel " << j;
    }
  }
  void Leave(int panel) {
    Edit(panel).setFocus(Qt::MouseFocusReason);
    testing::CallCounter leaves(form->PanelBox(panel).LostFocus);
    QTest::keyClick(&Edit(panel), Qt::Key_Tab);
    EXPECT_EQ(leaves.calls, 1) << "box " << panel << " was not left";
  }
  void ClickUp(int panel) {
    QTest::mouseClick(view->UpButton(form->UpDown[static_cast<std::size_t>(panel)]), Qt::LeftButton);
  }
  void ClickDown(int panel) {
    QTest::mouseClick(view->DownButton(form->UpDown[static_cast<std::size_t>(panel)]), Qt::LeftButton);
  }

  std::unique_ptr<testing::RealLocaleServices> real;
  std::unique_ptr<frmTime> form;
  std::unique_ptr<QtFrmTimeView> view;
  std::array<int, 4> offset{};
};

TEST_P(LocaleWindow, LeavingEachBoxAndSteppingAnHourKeepTheRowsOnOneTime) {
  testing::LeaveEachBoxAndStepAroundTheClock(*this);
  EXPECT_TRUE(real->doubles.messages.texts.empty());
}

TEST_P(LocaleWindow, ATimeTypedAsTheLocaleWritesItReadsAsMeant) {
  SYSTEMTIME evening = form->PanelTime[2];
  evening.wHour = 21;
  evening.wMinute = 45;
  const std::string own = zonetime::FormatSystemTime(real->icuLocale, evening);
  QLineEdit& edit = Edit(2);
  edit.setFocus(Qt::MouseFocusReason);
  edit.selectAll();
  // One key per character, as a Korean or Arabic keyboard sends them.
  for (const QChar c : QString::fromStdString(own)) {
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  ExpectRows(2, 21 * 60 + 45);
  Leave(2);
  ExpectRows(2, 21 * 60 + 45);
  ClickDown(2);
  ExpectRows(2, 20 * 60 + 45);
}

INSTANTIATE_TEST_SUITE_P(KoreanAndArabic, LocaleWindow, ::testing::Values("ko_KR", "ar_EG"),
                         [](const auto& test) { return std::string(test.param); });

}  // namespace
}  // namespace tellux
