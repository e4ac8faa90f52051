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
using testing::FakeRegistry;

// Every text written into a window while this lives.
class WrittenTexts {
 public:
  explicit WrittenTexts(HWND hwnd)
      : subclass_(hwnd, &Record, 1, reinterpret_cast<DWORD_PTR>(&texts)) {}

  std::vector<std::string> texts;

 private:
  static LRESULT CALLBACK Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*id*/, DWORD_PTR texts) {
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
    // A zone named in a script past U+FFFF (Adlam letters), last in the list
    // by its offset, so the stored rows keep their zones.
    t.registry.AddZone({"Adlam", "(GMT-10:00) \U0001E900\U0001E923\U0001E924",
                        "Adlam Standard Time", "Adlam Daylight Time", FakeRegistry::MakeTzi(600)});
    ActiveWindow::SetUp();
  }
  // The rows' boxes show what the form holds.
  void ExpectBoxesShowTheForm() {
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(TextOf(Hwnd(form->PanelBox(i))), form->PanelBox(i).Text()) << i;
    }
  }
  LRESULT Selected(const ComboBox& list) { return ::SendMessageW(Hwnd(list), CB_GETCURSEL, 0, 0); }
  bool Opened(const ComboBox& list) {
    return ::SendMessageW(Hwnd(list), CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  bool Checked(const OptionButton& option) {
    return ::SendMessageW(Hwnd(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
};

// --- The hour -------------------------------------------------------------

TEST_F(KeyboardInTheWindow, UpAndDownInATimeBoxStepItsHourAndTheOtherRowsFollow) {
  Press(VK_TAB);
  ASSERT_EQ(Focus(), "Text1");
  ASSERT_EQ(TextOf(Hwnd(form->Text1)), "4:35 PM");  // Berlin in summer
  CallCounter ups(form->UpDown[1].UpClick);
  CallCounter downs(form->UpDown[1].DownClick);
  {
    WrittenTexts written(Hwnd(form->Text1));
    Press(VK_UP);
    EXPECT_EQ(ups.calls, 1);
    // What the spin handler wrote, once, and no number of the spin's own.
    EXPECT_EQ(written.texts, std::vector<std::string>{"5:35 PM"});
  }
  EXPECT_EQ(form->Text1.Text(), "5:35 PM");
  EXPECT_EQ(TextOf(Hwnd(form->Text0)), "9:05 PM");  // Calcutta, 3:30 ahead
  ExpectBoxesShowTheForm();
  EXPECT_EQ(Focus(), "Text1");

  {
    WrittenTexts written(Hwnd(form->Text1));
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(downs.calls, 2);
    EXPECT_EQ(written.texts, (std::vector<std::string>{"4:35 PM", "3:35 PM"}));
  }
  EXPECT_EQ(ups.calls, 1);
  EXPECT_EQ(TextOf(Hwnd(form->Text0)), "7:05 PM");
  ExpectBoxesShowTheForm();
}

TEST_F(KeyboardInTheWindow, ClickingARowsSpinLeavesTheKeyboardInTheBoxTheUserIsIn) {
  ASSERT_EQ(Focus(), "Text0");
  CallCounter leaves(form->Text0.LostFocus);
  CallCounter ups(form->UpDown[2].UpClick);
  const HWND spin = Hwnd(form->UpDown[2]);
  RECT r{};
  ::GetClientRect(spin, &r);
  ::PostMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom / 4));
  ::PostMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, r.bottom / 4));
  Pump();
  EXPECT_EQ(ups.calls, 1);
  EXPECT_EQ(Focus(), "Text0");
  EXPECT_EQ(leaves.calls, 0);
  // Up in the box is still its own row's.
  CallCounter ownUps(form->UpDown[0].UpClick);
  Press(VK_UP);
  EXPECT_EQ(ownUps.calls, 1);
  EXPECT_EQ(ups.calls, 1);
}

// --- Zones by typing ------------------------------------------------------

TEST_F(KeyboardInTheWindow, LettersTypedInAClosedZoneListPickTheZoneTheyName) {
  for (int i = 0; i < 6; ++i) Press(VK_TAB);
  ASSERT_EQ(Focus(), "ComboTZ(2)");
  ASSERT_FALSE(Opened(form->ComboTZ[2]));
  CallCounter picks(form->ComboTZ[2].Click);
  Type("rey");
  EXPECT_EQ(form->ComboTZ[2].Text(), "(GMT) Reykjavik");
  EXPECT_EQ(picks.calls, 1);  // "r" found it; "re" and "rey" kept it
  EXPECT_EQ(Selected(form->ComboTZ[2]), form->ComboTZ[2].ListIndex());
  EXPECT_EQ(TextOf(Hwnd(form->Text2)), "2:35 PM");
  ExpectBoxesShowTheForm();

  // Every entry begins with "(": the list's own type-ahead would move on
  // to the next; the search, which took the key, finds no word with it.
  Type("(");
  EXPECT_EQ(form->ComboTZ[2].Text(), "(GMT) Reykjavik");
  EXPECT_EQ(Selected(form->ComboTZ[2]), form->ComboTZ[2].ListIndex());
  EXPECT_EQ(picks.calls, 1);
}

TEST_F(KeyboardInTheWindow, LettersTypedInAnOpenedZoneListPickTheZoneTheyName) {
  for (int i = 0; i < 4; ++i) Press(VK_TAB);
  ASSERT_EQ(Focus(), "ComboTZ(0)");
  Press(VK_F4);
  ASSERT_TRUE(Opened(form->ComboTZ[0]));
  CallCounter picks(form->ComboTZ[0].Click);
  Type("pac");
  EXPECT_EQ(form->ComboTZ[0].Text(), "(GMT-08:00) Pacific Time");
  EXPECT_EQ(picks.calls, 1);
  EXPECT_TRUE(Opened(form->ComboTZ[0]));
  EXPECT_EQ(Selected(form->ComboTZ[0]), form->ComboTZ[0].ListIndex());
  ExpectBoxesShowTheForm();

  Press(VK_RETURN);
  EXPECT_FALSE(Opened(form->ComboTZ[0]));
  EXPECT_EQ(form->ComboTZ[0].Text(), "(GMT-08:00) Pacific Time");
  EXPECT_EQ(picks.calls, 1);
  EXPECT_EQ(Selected(form->ComboTZ[0]), form->ComboTZ[0].ListIndex());
}

TEST_F(KeyboardInTheWindow, ACharacterPastU_FFFFTypedInAListFindsTheZoneItBegins) {
  for (int i = 0; i < 7; ++i) Press(VK_TAB);
  ASSERT_EQ(Focus(), "ComboTZ(3)");
  CallCounter picks(form->ComboTZ[3].Click);
  TypeUnits(L"\U0001E900");  // two WM_CHARs, one character
  EXPECT_EQ(form->ComboTZ[3].Text(), "(GMT-10:00) \U0001E900\U0001E923\U0001E924");
  EXPECT_EQ(picks.calls, 1);
  EXPECT_EQ(Selected(form->ComboTZ[3]), form->ComboTZ[3].ListIndex());
}

// --- The caption row ------------------------------------------------------

TEST_F(KeyboardInTheWindow, CtrlAndARowNumberPutThatRowInTheCaptionFromAnyControl) {
  ASSERT_EQ(Focus(), "Text0");
  PressWith(VK_CONTROL, '2');
  EXPECT_TRUE(form->Option1[1].Value());
  form->Timer1.Fire();
  EXPECT_TRUE(TextOf(view->Window()).ends_with(" Berlin")) << TextOf(view->Window());
  EXPECT_EQ(TextOf(Hwnd(form->Text0)), form->Text0.Text());  // the key typed nothing

  for (int i = 0; i < 5; ++i) Press(VK_TAB);
  ASSERT_EQ(Focus(), "ComboTZ(1)");
  const int zone = form->ComboTZ[1].ListIndex();
  PressWith(VK_CONTROL, '4');
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(form->Option1[i].Value(), i == 3) << i;
    EXPECT_EQ(Checked(form->Option1[i]), i == 3) << i;
  }
  EXPECT_EQ(form->ComboTZ[1].ListIndex(), zone);
  EXPECT_EQ(Focus(), "ComboTZ(1)");
  form->Timer1.Fire();
  EXPECT_TRUE(TextOf(view->Window()).ends_with(" Eastern Time")) << TextOf(view->Window());
}

TEST_F(KeyboardInTheWindow, TheSpinsAndOptionButtonsAreStillNoTabStops) {
  PressWith(VK_CONTROL, '3');
  Press(VK_UP);
  ASSERT_TRUE(form->Option1[2].Value());
  for (const char* next : {"Text1", "Text2", "Text3", "ComboTZ(0)", "ComboTZ(1)", "ComboTZ(2)",
                           "ComboTZ(3)", "Text0"}) {
    Press(VK_TAB);
    EXPECT_EQ(Focus(), next);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(::GetWindowLongPtrW(Hwnd(form->UpDown[i]), GWL_STYLE) & WS_TABSTOP, 0) << i;
    EXPECT_EQ(::GetWindowLongPtrW(Hwnd(form->Option1[i]), GWL_STYLE) & WS_TABSTOP, 0) << i;
  }
}

}  // namespace
}  // namespace tellux::win32
