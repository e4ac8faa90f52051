// The native window on Windows' own locale services, in the user locale
// Wine was started in: Korean (day period before the hour) or Arabic (a
// native keyboard types Arabic-Indic digits). Leaving a box and stepping an
// hour keep all four rows on the same time.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "platform/win32/code_page.h"
#include "platform/win32/ole_date_services.h"
#include "platform/win32/win32_frm_time_view.h"
#include "platform/win32/win32_locale.h"
#include "tests/doubles/call_counter.h"
#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"
#include "tests/platform/win32/window_text.h"
#include "tests/window/rows_on_one_time_story.h"

namespace tellux::win32 {
namespace {

class LocaleWindow : public ::testing::Test {
 public:
  void SetUp() override {
    testing::AddSevenZones(doubles.registry);
    doubles.clock.utc = testing::MakeTime(2003, 6, 15, 14, 35, 20);
    testing::StoreFourPanels(doubles.settings);
    form = std::make_unique<frmTime>(Services{doubles.registry, doubles.clock, locale, dates,
                                              doubles.settings, doubles.messages, doubles.end});
    view = std::make_unique<Win32FrmTimeView>(*form, ::GetModuleHandleW(nullptr));
    view->Start(SW_SHOW);
    form->Timer1.Fire();
    for (std::size_t j = 0; j < 4; ++j) offset[j] = (Minute(static_cast<int>(j)) - Minute(0) + 1440) % 1440;
  }
  HWND Hwnd(const Control& c) const { return view->HandleFor(c); }
  int Minute(int panel) const {
    const SYSTEMTIME& t = form->PanelTime[static_cast<std::size_t>(panel)];
    return t.wHour * 60 + t.wMinute;
  }
  // Panel holds minuteOfDay, the others the same instant, and every box
  // shows what the form holds.
  void ExpectRows(int panel, int minuteOfDay) {
    EXPECT_EQ(Minute(panel), minuteOfDay) << TextOf(Hwnd(form->PanelBox(panel)));
    const int base = (minuteOfDay - offset[static_cast<std::size_t>(panel)] + 1440) % 1440;
    for (int j = 0; j < 4; ++j) {
      EXPECT_EQ(Minute(j), (base + offset[static_cast<std::size_t>(j)]) % 1440) << "panel " << j;
      EXPECT_EQ(TextOf(Hwnd(form->PanelBox(j))), form->PanelBox(j).Text()) << "panel " << j;
    }
  }
  // The keyboard moves from box i to the next control of the window.
  void Leave(int i) {
    ::SetFocus(Hwnd(form->PanelBox(i)));
    testing::CallCounter leaves(form->PanelBox(i).LostFocus);
    ::SetFocus(Hwnd(form->ComboTZ[static_cast<std::size_t>(i)]));
    EXPECT_EQ(leaves.calls, 1) << "box " << i << " was not left";
  }
  void ClickUp(int i) { Click(i, 1); }
  void ClickDown(int i) { Click(i, 3); }
  void Click(int i, int quarter) {
    const HWND spin = Hwnd(form->UpDown[static_cast<std::size_t>(i)]);
    RECT r{};
    ::GetClientRect(spin, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom * quarter / 4);
    ::SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(spin, WM_LBUTTONUP, 0, at);
  }

  testing::TestServices doubles;
  Win32Locale locale;
  OleDateServices dates;
  std::unique_ptr<frmTime> form;
  std::unique_ptr<Win32FrmTimeView> view;
  std::array<int, 4> offset{};
};

TEST_F(LocaleWindow, LeavingEachBoxAndSteppingAnHourKeepTheRowsOnOneTime) {
  ASSERT_TRUE(doubles.messages.texts.empty());
  testing::LeaveEachBoxAndStepAroundTheClock(*this);
}

TEST_F(LocaleWindow, ATimeTypedInTheLocalesOwnFormOrDigitsReadsAsMeant) {
  // The locale's own text of 9:45 PM, then the same in Arabic-Indic digits,
  // as a native keyboard types them.
  SYSTEMTIME evening = form->PanelTime[2];
  evening.wHour = 21;
  evening.wMinute = 45;
  std::string own(64, ' ');
  ASSERT_GT(locale.GetTimeFormatA(kLocaleSystemDefault, 0, &evening, nullptr, &own, 64), 0);
  own = own.substr(0, own.find('\0'));
  std::string arabic;
  for (char c : own) {
    if (c >= '0' && c <= '9') {
      arabic += WideToUtf8(std::wstring(1, static_cast<wchar_t>(0x0660 + (c - '0'))));
    } else {
      arabic += c;
    }
  }
  for (const std::string& typed : {own, arabic}) {
    ::SetWindowTextW(Hwnd(form->Text2), Utf8ToWide(typed).c_str());
    ExpectRows(2, 21 * 60 + 45);
    Leave(2);
    ExpectRows(2, 21 * 60 + 45);
    ClickDown(2);
    ExpectRows(2, 20 * 60 + 45);
  }
}

}  // namespace
}  // namespace tellux::win32
