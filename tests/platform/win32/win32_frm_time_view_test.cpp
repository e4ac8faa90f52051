// The native window on the test doubles, under Wine: the four rows are drawn
// from the form, what the user does in a control reaches the form (and what
// the program writes does not come back as the user's), the arrows step the
// right way, and the controls sit where the layout puts them.

#include "platform/win32/win32_frm_time_view.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <oleacc.h>

#include <memory>

#include "platform/win32/code_page.h"
#include "platform/win32/unique_handle.h"
#include "tests/doubles/call_counter.h"
#include "tests/platform/win32/window_text.h"
#include "tests/window/form_test_support.h"

namespace tellux::win32 {
namespace {

using testing::CallCounter;

class NativeWindow : public testing::FormTest {
 protected:
  void SetUp() override {
    testing::StoreFourPanels(t.settings);
    NewForm();
    view = std::make_unique<Win32FrmTimeView>(*form, ::GetModuleHandleW(nullptr));
    view->Start(SW_HIDE);
    form->Timer1.Fire();
  }
  HWND Hwnd(const Control& c) const { return view->HandleFor(c); }
  // What the user typing a whole text into a box amounts to: the edit's text
  // changes and it tells the window.
  void Type(const TextBox& box, const char* text) {
    ::SetWindowTextW(Hwnd(box), Utf8ToWide(text).c_str());
  }
  std::string NameOf(HWND hwnd) const {
    for (const Control* c : form->Controls()) {
      if (Hwnd(*c) == hwnd) return c->name;
    }
    return "a window of no control";
  }
  RECT ClientRect(const Control& c) const {
    RECT r{};
    ::GetWindowRect(Hwnd(c), &r);
    ::MapWindowPoints(nullptr, view->Window(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  int Pixels(int twips) const {
    return Win32FrmTimeView::TwipsToPixels(twips, static_cast<int>(::GetDpiForWindow(view->Window())));
  }

  std::unique_ptr<Win32FrmTimeView> view;
};

TEST_F(NativeWindow, DrawsTheFourRowsFromTheForm) {
  for (std::size_t i = 0; i < 4; ++i) {
    const HWND combo = Hwnd(form->ComboTZ[i]);
    EXPECT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), form->ComboTZ[i].ListCount());
    EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), form->ComboTZ[i].ListIndex());
    EXPECT_EQ(TextOf(Hwnd(form->PanelBox(static_cast<int>(i)))),
              form->PanelBox(static_cast<int>(i)).Text());
    EXPECT_EQ(::SendMessageW(Hwnd(form->Option1[i]), BM_GETCHECK, 0, 0) == BST_CHECKED,
              form->Option1[i].Value());
  }
  EXPECT_GT(form->ComboTZ[0].ListCount(), 0);
  EXPECT_EQ(TextOf(view->Window()), form->Caption());
  EXPECT_EQ(TextOf(Hwnd(form->Frame1)), "Time Zone Info");
}

TEST_F(NativeWindow, TypingInOnePanelUpdatesTheOthers) {
  const std::string before = TextOf(Hwnd(form->Text0));
  Type(form->Text1, "1:30");
  EXPECT_EQ(form->Text1.Text(), "1:30");
  EXPECT_EQ(TextOf(Hwnd(form->Text1)), "1:30");
  EXPECT_NE(TextOf(Hwnd(form->Text0)), before);
  for (int i : {0, 2, 3}) EXPECT_EQ(TextOf(Hwnd(form->PanelBox(i))), form->PanelBox(i).Text()) << i;
}

TEST_F(NativeWindow, WhatTheProgramWritesIsNotTakenForTyping) {
  CallCounter changes(form->Text2.Change);
  form->Text2.SetText("3:45 PM");
  EXPECT_EQ(changes.calls, 1);
  EXPECT_EQ(TextOf(Hwnd(form->Text2)), "3:45 PM");
}

TEST_F(NativeWindow, TheUpArrowStepsUpAndTheDownArrowDown) {
  CallCounter up(form->UpDown[1].UpClick);
  CallCounter down(form->UpDown[1].DownClick);
  const HWND spin = Hwnd(form->UpDown[1]);
  RECT r{};
  ::GetClientRect(spin, &r);
  const auto click = [&](int y) {
    ::SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, y));
    ::SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, y));
  };
  click(r.bottom / 4);
  EXPECT_EQ(up.calls, 1);
  EXPECT_EQ(down.calls, 0);
  click(r.bottom * 3 / 4);
  EXPECT_EQ(up.calls, 1);
  EXPECT_EQ(down.calls, 1);
  click(r.bottom / 4);  // the position never runs into a limit
  EXPECT_EQ(up.calls, 2);
}

TEST_F(NativeWindow, PickingAZoneOrAnOptionReachesTheForm) {
  const HWND combo = Hwnd(form->ComboTZ[2]);
  ::SendMessageW(combo, CB_SETCURSEL, 3, 0);
  ::SendMessageW(view->Window(), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(form->ComboTZ[2].ListIndex(), 3);

  ::SendMessageW(Hwnd(form->Option1[1]), BM_CLICK, 0, 0);
  EXPECT_TRUE(form->Option1[1].Value());
  for (std::size_t i : {0u, 2u, 3u}) {
    EXPECT_FALSE(form->Option1[i].Value());
    EXPECT_EQ(::SendMessageW(Hwnd(form->Option1[i]), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  }
}

TEST_F(NativeWindow, DaylightBoxesAreLightYellowOthersTheWindowColour) {
  form->Text2.SetBackColor(frmTime::kLightYellow);
  form->Text3.SetBackColor(kColorWindow);
  const HDC dc = ::GetDC(view->Window());
  ::SendMessageW(view->Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Hwnd(form->Text2)));
  EXPECT_EQ(::GetBkColor(dc), frmTime::kLightYellow);
  ::SendMessageW(view->Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Hwnd(form->Text3)));
  EXPECT_EQ(::GetBkColor(dc), ::GetSysColor(COLOR_WINDOW));
  ::ReleaseDC(view->Window(), dc);
}

TEST_F(NativeWindow, ControlsSitWhereTheLayoutPutsThem) {
  const RECT text1 = ClientRect(form->Text1);
  EXPECT_EQ(text1.left, Pixels(240));
  EXPECT_EQ(text1.top, Pixels(330));
  EXPECT_EQ(text1.right, Pixels(240 + 825));
  // Inside the frame, positions count from the frame's corner.
  const RECT bias = ClientRect(form->txtTZBias);
  EXPECT_EQ(bias.left, Pixels(240 + 1260));
  EXPECT_EQ(bias.top, Pixels(2490 + 360));
  RECT client{};
  ::GetClientRect(view->Window(), &client);
  EXPECT_EQ(client.right, Pixels(frmTime::kClientWidth));
}

TEST_F(NativeWindow, TabGoesThroughTheTimesThenTheZones) {
  const Control* expected[] = {&form->Text1, &form->Text2, &form->Text3, &form->ComboTZ[0],
                               &form->ComboTZ[1], &form->ComboTZ[2], &form->ComboTZ[3],
                               &form->Text0};
  HWND at = Hwnd(form->Text0);
  for (const Control* next : expected) {
    at = ::GetNextDlgTabItem(view->Window(), at, FALSE);
    EXPECT_EQ(at, Hwnd(*next)) << "expected " << next->name << ", got " << NameOf(at);
  }
}

TEST_F(NativeWindow, AClickedOptionStaysOutOfTheTabOrder) {
  ::SendMessageW(Hwnd(form->Option1[2]), BM_CLICK, 0, 0);
  ASSERT_TRUE(form->Option1[2].Value());
  EXPECT_EQ(::GetNextDlgTabItem(view->Window(), Hwnd(form->ComboTZ[3]), FALSE), Hwnd(form->Text0));
}

// Each information box is heard by the layout's name; a system that names
// a box by the label just before it has that name at its start ("Local
// Time:" for "Local Time").
TEST_F(NativeWindow, ScreenReadersHearTheLayoutsNamesForTheInformationBoxes) {
  for (const Control* c : {&form->txtLocTime, &form->txtSysTime, &form->txtAdjust, &form->txtTZBias,
                           &form->txtTZName, &form->txtTZSName, &form->txtTime[0], &form->txtTime[3]}) {
    const std::string heard = HeardNameOf(Hwnd(*c));
    EXPECT_EQ(heard.substr(0, c->accessibleName.size()), c->accessibleName) << c->name;
  }
}

TEST_F(NativeWindow, OptionButtonsFormOneGroup) {
  HWND at = Hwnd(form->Option1[0]);
  for (std::size_t i : {1u, 2u, 3u, 0u}) {
    at = ::GetNextDlgGroupItem(view->Window(), at, FALSE);
    EXPECT_EQ(at, Hwnd(form->Option1[i])) << i;
  }
}

}  // namespace
}  // namespace tellux::win32
