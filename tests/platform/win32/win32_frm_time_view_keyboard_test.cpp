// Working the shown native window from the keyboard, under Wine: Up and Down
// in a time box step its hour as the row's spin buttons do, letters typed in
// a zone list (closed or opened) pick the zone they name, and Ctrl+1 to
// Ctrl+4 choose the row the caption shows; the spins and option buttons
// stay out of the tab order all the while.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/code_page.h"
#include "platform/win32/window_subclass.h"
#include "tests/doubles/call_counter.h"
#include "tests/platform/win32/active_window.h"
#include "tests/platform/win32/window_text.h"

namespace tellux::win32 {
namespace {

using testing::CallCounter;

// Every text written into a window while this lives.
class WrittenTexts {
 public:
  explicit WrittenTexts(HWND hwnd)
      : subclass_(hwnd, &Record, 1, reinterpret_cast<DWORD_PTR>(&texts)) {}
  std::vector<std::string> texts;

 private:
  static LRESULT CALLBACK Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR texts) {
    if (message == WM_SETTEXT) {
      reinterpret_cast<std::vector<std::string>*>(texts)->push_back(
          WideToUtf8(reinterpret_cast<const wchar_t*>(lParam)));
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
  }
  WindowSubclass subclass_;
};

class KeyboardInTheWindow : public ActiveWindow {
 protected:
  void SetUp() override {
    // A zone named in a script past U+FFFF (Adlam letters), last by its
    // offset, so the stored rows keep their zones.
    t.registry.AddZone({"Adlam", "(GMT-10:00) \U0001E900\U0001E923", "Adlam Standard Time",
                        "Adlam Daylight Time", testing::FakeRegistry::MakeTzi(600)});
    ActiveWindow::SetUp();
  }
  // The list shows the zone the form picked, and each row's box its time.
  void ExpectTheWindowShowsTheForm(const ComboBox& list) {
    EXPECT_EQ(::SendMessageW(Hwnd(list), CB_GETCURSEL, 0, 0), list.ListIndex());
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(TextOf(Hwnd(form->PanelBox(i))), form->PanelBox(i).Text()) << i;
    }
  }
};

TEST_F(KeyboardInTheWindow, UpAndDownInATimeBoxStepItsHourAndTheOtherRowsFollow) {
  Press(VK_TAB);
  ASSERT_EQ(TextOf(Hwnd(form->Text1)), "4:35 PM");  // Berlin in summer
  CallCounter ups(form->UpDown[1].UpClick);
  CallCounter downs(form->UpDown[1].DownClick);
  WrittenTexts written(Hwnd(form->Text1));
  Press(VK_UP);
  EXPECT_EQ(ups.calls, 1);
  EXPECT_EQ(TextOf(Hwnd(form->Text0)), "9:05 PM");  // Calcutta, 3:30 ahead
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_EQ(downs.calls, 2);
  // What the spin handlers wrote, one text a key, and no number of the
  // spin's own.
  EXPECT_EQ(written.texts, (std::vector<std::string>{"5:35 PM", "4:35 PM", "3:35 PM"}));
  EXPECT_EQ(TextOf(Hwnd(form->Text0)), "7:05 PM");
  ExpectTheWindowShowsTheForm(form->ComboTZ[1]);
  EXPECT_EQ(Focus(), "Text1");
}

TEST_F(KeyboardInTheWindow, ClickingARowsSpinLeavesTheKeyboardInTheBoxTheUserIsIn) {
  CallCounter leaves(form->Text0.LostFocus);
  CallCounter ups(form->UpDown[2].UpClick);
  RECT r{};
  ::GetClientRect(Hwnd(form->UpDown[2]), &r);
  ::PostMessageW(Hwnd(form->UpDown[2]), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, 2));
  ::PostMessageW(Hwnd(form->UpDown[2]), WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, 2));
  Pump();
  EXPECT_EQ(ups.calls, 1);
  EXPECT_EQ(Focus(), "Text0");
  EXPECT_EQ(leaves.calls, 0);
  CallCounter ownUps(form->UpDown[0].UpClick);
  Press(VK_UP);  // still the box's own row
  EXPECT_EQ(ownUps.calls, 1);
  EXPECT_EQ(ups.calls, 1);
}

TEST_F(KeyboardInTheWindow, LettersTypedInAClosedZoneListPickTheZoneTheyNameOnce) {
  for (int i = 0; i < 6; ++i) Press(VK_TAB);
  ASSERT_EQ(Focus(), "ComboTZ(2)");
  CallCounter picks(form->ComboTZ[2].Click);
  Type("rey");
  EXPECT_EQ(form->ComboTZ[2].Text(), "(GMT) Reykjavik");
  EXPECT_EQ(picks.calls, 1);  // "r" found it; "re" and "rey" kept it
  EXPECT_EQ(TextOf(Hwnd(form->Text2)), "2:35 PM");
  // Every entry begins with "(": the list's own type-ahead would move on;
  // the search, which took the key, finds no word beginning so.
  Type("(");
  EXPECT_EQ(picks.calls, 1);
  ExpectTheWindowShowsTheForm(form->ComboTZ[2]);

  Press(VK_TAB);
  CallCounter lastPicks(form->ComboTZ[3].Click);
  TypeUnits(L"\U0001E900");  // two WM_CHARs, one character
  EXPECT_EQ(form->ComboTZ[3].Text(), "(GMT-10:00) \U0001E900\U0001E923");
  EXPECT_EQ(lastPicks.calls, 1);
  ExpectTheWindowShowsTheForm(form->ComboTZ[3]);
}

TEST_F(KeyboardInTheWindow, LettersTypedInAnOpenedZoneListPickTheZoneTheyNameOnce) {
  for (int i = 0; i < 4; ++i) Press(VK_TAB);
  Press(VK_F4);
  ASSERT_NE(::SendMessageW(Hwnd(form->ComboTZ[0]), CB_GETDROPPEDSTATE, 0, 0), 0);
  CallCounter picks(form->ComboTZ[0].Click);
  Type("pac");
  EXPECT_EQ(form->ComboTZ[0].Text(), "(GMT-08:00) Pacific Time");
  ExpectTheWindowShowsTheForm(form->ComboTZ[0]);
  Press(VK_RETURN);  // closing it picks nothing more
  EXPECT_EQ(::SendMessageW(Hwnd(form->ComboTZ[0]), CB_GETDROPPEDSTATE, 0, 0), 0);
  EXPECT_EQ(form->ComboTZ[0].Text(), "(GMT-08:00) Pacific Time");
  EXPECT_EQ(picks.calls, 1);
  ExpectTheWindowShowsTheForm(form->ComboTZ[0]);
}

TEST_F(KeyboardInTheWindow, CtrlAndARowNumberPutThatRowInTheCaptionFromAnyControl) {
  PressWith(VK_CONTROL, '2');
  EXPECT_TRUE(form->Option1[1].Value());
  form->Timer1.Fire();
  EXPECT_TRUE(TextOf(view->Window()).ends_with(" Berlin")) << TextOf(view->Window());
  EXPECT_EQ(TextOf(Hwnd(form->Text0)), form->Text0.Text());  // the key typed nothing

  for (int i = 0; i < 5; ++i) Press(VK_TAB);
  ASSERT_EQ(Focus(), "ComboTZ(1)");
  PressWith(VK_CONTROL, '4');
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(form->Option1[i].Value(), i == 3) << i;
    EXPECT_EQ(::SendMessageW(Hwnd(form->Option1[i]), BM_GETCHECK, 0, 0) == BST_CHECKED, i == 3);
  }
  EXPECT_EQ(form->ComboTZ[1].Text(), "(GMT+01:00) Berlin");
  // The spins and option buttons are still no tab stops.
  EXPECT_EQ(::GetNextDlgTabItem(view->Window(), Hwnd(form->ComboTZ[3]), FALSE), Hwnd(form->Text0));
  EXPECT_EQ(::GetNextDlgTabItem(view->Window(), Hwnd(form->Text0), FALSE), Hwnd(form->Text1));
}

}  // namespace
}  // namespace tellux::win32
