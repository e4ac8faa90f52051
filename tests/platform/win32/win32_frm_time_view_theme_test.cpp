// The shown native window in a high-contrast theme, under Wine: every time
// box and zone list, the light yellow box and an opened list included,
// shows its text at 4.5:1 or better, measured on the window's pixels; and a
// box whose zone is in daylight saving says so to a screen reader, as its
// colour cannot.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "tests/platform/win32/active_window.h"
#include "tests/platform/win32/window_text.h"
#include "window/view_rules.h"

namespace tellux::win32 {
namespace {

// White window text on a black window, as a high-contrast theme has it, for
// as long as this lives; the colours before are put back after.
class HighContrast {
 public:
  HighContrast() {
    for (int i = 0; i < 2; ++i) saved_[i] = ::GetSysColor(kElements[i]);
    const COLORREF colors[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    ::SetSysColors(2, kElements, colors);
  }
  HighContrast(const HighContrast&) = delete;
  HighContrast& operator=(const HighContrast&) = delete;
  ~HighContrast() { ::SetSysColors(2, kElements, saved_); }

 private:
  static constexpr int kElements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
  COLORREF saved_[2]{};
};

int Distance(COLORREF a, COLORREF b) {
  const int dr = GetRValue(a) - GetRValue(b);
  const int dg = GetGValue(a) - GetGValue(b);
  const int db = GetBValue(a) - GetBValue(b);
  return dr * dr + dg * dg + db * db;
}

struct Shown {
  COLORREF text;
  COLORREF background;
};

// What hwnd shows in r (client coordinates), from its pixels copied into a
// DIB: the background is the most common colour, the text the most unlike it.
Shown Measure(HWND hwnd, const RECT& r) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = r.right - r.left;
  info.bmiHeader.biHeight = -(r.bottom - r.top);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  const HDC dc = ::GetDC(hwnd);
  void* bits = nullptr;
  UniqueHandle<HBITMAP, GdiObjectDeleter> bitmap(
      ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const HDC memory = ::CreateCompatibleDC(dc);
  const HGDIOBJ old = ::SelectObject(memory, bitmap.get());
  ::BitBlt(memory, 0, 0, r.right - r.left, r.bottom - r.top, dc, r.left, r.top, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::ReleaseDC(hwnd, dc);
  std::map<COLORREF, int> counts;
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (LONG i = 0; i < (r.right - r.left) * (r.bottom - r.top); ++i) {
    ++counts[RGB(pixels[i] >> 16 & 0xFF, pixels[i] >> 8 & 0xFF, pixels[i] & 0xFF)];
  }
  const auto more = [](const auto& a, const auto& b) { return a.second < b.second; };
  const COLORREF background = std::max_element(counts.begin(), counts.end(), more)->first;
  const auto farther = [&](const auto& a, const auto& b) {
    return Distance(a.first, background) < Distance(b.first, background);
  };
  return {std::max_element(counts.begin(), counts.end(), farther)->first, background};
}

// A zone list's parts: its face and its list.
COMBOBOXINFO PartsOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ::GetComboBoxInfo(combo, &info);
  return info;
}

// The windows whose accessible name changed, as screen readers are told.
std::vector<HWND> renamed;
void CALLBACK OnNameChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG, DWORD, DWORD) {
  if (object == OBJID_CLIENT) renamed.push_back(hwnd);
}

class ThemedWindow : public ActiveWindow {
 protected:
  void SetUp() override {
    ActiveWindow::SetUp();
    Press(VK_HOME);  // no selection: every box shows its own colours
  }
  // A box's inside, or a list's face without its button, as shown.
  Shown ShownIn(const Control& c) {
    RECT inside{};
    if (c.Kind() == ControlKind::kComboBox) {
      inside = PartsOf(Hwnd(c)).rcItem;
    } else {
      ::GetClientRect(Hwnd(c), &inside);
    }
    ::HideCaret(::GetFocus());  // the caret is no text
    const Shown shown = Measure(Hwnd(c), inside);
    ::ShowCaret(::GetFocus());
    return shown;
  }
};

TEST_F(ThemedWindow, EveryTimeBoxAndZoneListReadsInAHighContrastTheme) {
  const HighContrast theme;
  Pump();
  ASSERT_EQ(form->Text1.BackColor(), frmTime::kLightYellow);  // Berlin in June
  for (int i = 0; i < 4; ++i) {
    const Control* row[] = {&form->PanelBox(i), &form->ComboTZ[static_cast<std::size_t>(i)]};
    for (const Control* c : row) {
      const Shown shown = ShownIn(*c);
      EXPECT_GE(view::ContrastRatio(shown.text, shown.background), view::kReadableContrast)
          << c->name << ": text " << std::hex << shown.text << " on " << shown.background;
    }
  }
  EXPECT_EQ(ShownIn(form->Text0).background, RGB(0, 0, 0));
  EXPECT_EQ(ShownIn(form->Text1).background, frmTime::kLightYellow);

  // An opened list, on an entry the selection's colours do not draw.
  ::SendMessageW(Hwnd(form->ComboTZ[1]), CB_SHOWDROPDOWN, TRUE, 0);
  const HWND list = PartsOf(Hwnd(form->ComboTZ[1])).hwndList;
  ASSERT_NE(list, nullptr);
  ::UpdateWindow(list);
  const bool firstSelected = ::SendMessageW(list, LB_GETCURSEL, 0, 0) == 0;
  RECT entry{};
  ::SendMessageW(list, LB_GETITEMRECT, firstSelected ? 1 : 0, reinterpret_cast<LPARAM>(&entry));
  const Shown shown = Measure(list, entry);
  EXPECT_EQ(shown.background, RGB(0, 0, 0));
  EXPECT_GE(view::ContrastRatio(shown.text, shown.background), view::kReadableContrast);
  ::SendMessageW(Hwnd(form->ComboTZ[1]), CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ThemedWindow, ABoxInDaylightSavingSaysSoToAScreenReaderAndAPlainOneDoesNot) {
  ASSERT_EQ(form->Text0.BackColor(), kColorWindow);           // Calcutta
  ASSERT_EQ(form->Text2.BackColor(), frmTime::kLightYellow);  // Central Time in June
  EXPECT_EQ(HeardNameOf(Hwnd(form->Text0)), "Time 1");
  EXPECT_EQ(HeardNameOf(Hwnd(form->Text2)), "Time 3, daylight saving time");

  // Reykjavik keeps no daylight saving: the box turns plain, and says so.
  const HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE,
                                               nullptr, &OnNameChange, 0, 0, WINEVENT_OUTOFCONTEXT);
  const HWND combo = Hwnd(form->ComboTZ[2]);
  ::SendMessageW(combo, CB_SETCURSEL, 3, 0);
  ::SendMessageW(view->Window(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  Pump();
  ::UnhookWinEvent(hook);
  ASSERT_EQ(form->ComboTZ[2].Text(), "(GMT) Reykjavik");
  EXPECT_EQ(form->Text2.BackColor(), kColorWindow);
  EXPECT_EQ(HeardNameOf(Hwnd(form->Text2)), "Time 3");
  EXPECT_EQ(std::count(renamed.begin(), renamed.end(), Hwnd(form->Text2)), 1);
}

}  // namespace
}  // namespace tellux::win32
