// The shown native window in a high-contrast theme, under Wine: every time
// box and zone list, the light yellow box and the opened list included,
// shows its text at 4.5:1 or better, measured on the pixels the window
// shows; and a box whose zone is in daylight saving tells a screen
// reader so in its name, as its colour cannot.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "tests/platform/win32/active_window.h"
#include "tests/platform/win32/window_text.h"
#include "window/view_rules.h"

namespace tellux::win32 {
namespace {

// System colours set for as long as this lives, then put back.
class SystemColors {
 public:
  SystemColors(std::vector<int> elements, std::vector<COLORREF> colors)
      : elements_(std::move(elements)) {
    for (const int element : elements_) saved_.push_back(::GetSysColor(element));
    ::SetSysColors(static_cast<int>(elements_.size()), elements_.data(), colors.data());
  }
  SystemColors(const SystemColors&) = delete;
  SystemColors& operator=(const SystemColors&) = delete;
  ~SystemColors() {
    ::SetSysColors(static_cast<int>(elements_.size()), elements_.data(), saved_.data());
  }

 private:
  std::vector<int> elements_;
  std::vector<COLORREF> saved_;
};

// The pixels a window shows in a rectangle of its client area, copied out.
class WindowGrab {
 public:
  WindowGrab(HWND hwnd, const RECT& r) : width_(r.right - r.left), height_(r.bottom - r.top) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC window = ::GetDC(hwnd);
    const HDC memory = ::CreateCompatibleDC(window);
    void* bits = nullptr;
    UniqueHandle<HBITMAP, GdiObjectDeleter> bitmap(
        ::CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const HGDIOBJ old = ::SelectObject(memory, bitmap.get());
    ::BitBlt(memory, 0, 0, width_, height_, window, r.left, r.top, SRCCOPY);
    ::GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(pixels,
                   pixels + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(hwnd, window);
  }

  // The background (the most common colour) and the text (the colour most
  // unlike it) of what the window showed.
  struct TextOnBackground {
    COLORREF text;
    COLORREF background;
  };
  TextOnBackground Measure() const {
    std::map<std::uint32_t, int> counts;
    for (const std::uint32_t p : pixels_) ++counts[p & 0xFFFFFFu];
    const std::uint32_t background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
          return a.second < b.second;
        })->first;
    std::uint32_t text = background;
    int farthest = -1;
    for (const auto& [p, count] : counts) {
      int distance = 0;
      for (const int shift : {0, 8, 16}) {
        const int d = static_cast<int>((p >> shift) & 0xFFu) -
                      static_cast<int>((background >> shift) & 0xFFu);
        distance += d * d;
      }
      if (distance > farthest) {
        farthest = distance;
        text = p;
      }
    }
    return {AsColorRef(text), AsColorRef(background)};
  }

 private:
  // The DIB's 0x00RRGGBB as a COLORREF's 0x00BBGGRR.
  static COLORREF AsColorRef(std::uint32_t p) {
    return RGB((p >> 16) & 0xFFu, (p >> 8) & 0xFFu, p & 0xFFu);
  }

  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
};

// White text on black, as a high-contrast theme has it.
SystemColors HighContrast() {
  return SystemColors({COLOR_WINDOW, COLOR_WINDOWTEXT}, {RGB(0, 0, 0), RGB(255, 255, 255)});
}

// The windows whose accessible name changed, as screen readers are told.
std::vector<HWND> renamed;
void CALLBACK OnNameChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) renamed.push_back(hwnd);
}

class ThemedWindow : public ActiveWindow {
 protected:
  void SetUp() override {
    ActiveWindow::SetUp();
    // Tall enough to show the information boxes below the four rows too
    // (a zone list's window holds its opened list: not counted).
    RECT frame{};
    ::GetWindowRect(view->Window(), &frame);
    LONG bottom = frame.bottom;
    for (const Control* c : BoxesAndLists()) {
      RECT r{};
      ::GetWindowRect(Hwnd(*c), &r);
      if (c->Kind() == ControlKind::kTextBox) bottom = std::max(bottom, r.bottom + 20);
    }
    ::SetWindowPos(view->Window(), nullptr, 0, 0, frame.right - frame.left, bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER);
    // No selection, so every box shows its text in its own colours.
    Press(VK_HOME);
  }
  // The box's or list's text against its background as shown: a box's
  // inside, a list's face without its button.
  WindowGrab::TextOnBackground Shown(const Control& c) {
    const HWND hwnd = Hwnd(c);
    RECT inside{};
    if (c.Kind() == ControlKind::kComboBox) {
      COMBOBOXINFO info{};
      info.cbSize = sizeof info;
      ::GetComboBoxInfo(hwnd, &info);
      inside = info.rcItem;
    } else {
      ::GetClientRect(hwnd, &inside);
    }
    // Without the caret, which is no text.
    ::HideCaret(::GetFocus());
    const WindowGrab grab(hwnd, inside);
    ::ShowCaret(::GetFocus());
    return grab.Measure();
  }
  std::vector<const Control*> BoxesAndLists() const {
    std::vector<const Control*> shown;
    for (const Control* c : form->Controls()) {
      if (c->Kind() == ControlKind::kTextBox || c->Kind() == ControlKind::kComboBox)
        shown.push_back(c);
    }
    return shown;
  }
};

// --- Colours --------------------------------------------------------------

TEST_F(ThemedWindow, EveryBoxAndListReadsInAHighContrastTheme) {
  const SystemColors highContrast = HighContrast();
  Pump();  // the change is told to the window, which draws itself anew
  ASSERT_EQ(form->Text1.BackColor(), frmTime::kLightYellow);
  ASSERT_EQ(form->Text0.BackColor(), kColorWindow);
  for (const Control* c : BoxesAndLists()) {
    const WindowGrab::TextOnBackground shown = Shown(*c);
    EXPECT_GE(view::ContrastRatio(shown.text, shown.background), view::kReadableContrast)
        << c->name << ": text " << std::hex << shown.text << " on " << shown.background;
  }
  // The theme's background, and the yellow kept exactly.
  EXPECT_EQ(Shown(form->Text0).background, RGB(0, 0, 0));
  EXPECT_EQ(Shown(form->ComboTZ[0]).background, RGB(0, 0, 0));
  EXPECT_EQ(Shown(form->Text1).background, frmTime::kLightYellow);
}

TEST_F(ThemedWindow, AnOpenedZoneListReadsInAHighContrastTheme) {
  const SystemColors highContrast = HighContrast();
  Pump();
  const HWND combo = Hwnd(form->ComboTZ[1]);
  ::SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(combo, &info));
  ::UpdateWindow(info.hwndList);
  // An entry the selection's colours do not draw: the list's own.
  const auto selected = ::SendMessageW(info.hwndList, LB_GETCURSEL, 0, 0);
  const auto entry = ::SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0) + (selected == 0 ? 1 : 0);
  RECT item{};
  ASSERT_NE(::SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(entry),
                           reinterpret_cast<LPARAM>(&item)),
            LB_ERR);
  const WindowGrab::TextOnBackground shown = WindowGrab(info.hwndList, item).Measure();
  EXPECT_EQ(shown.background, RGB(0, 0, 0));
  EXPECT_GE(view::ContrastRatio(shown.text, shown.background), view::kReadableContrast)
      << "text " << std::hex << shown.text;
  ::SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ThemedWindow, AChangeOfThemeIsFollowedAtOnce) {
  const COLORREF before = Shown(form->Text0).background;
  ASSERT_NE(before, RGB(0, 0, 0));
  {
    const SystemColors highContrast = HighContrast();
    Pump();
    for (const Control* c :
         std::initializer_list<const Control*>{&form->Text0, &form->ComboTZ[3]}) {
      const WindowGrab::TextOnBackground shown = Shown(*c);
      EXPECT_EQ(shown.background, RGB(0, 0, 0)) << c->name;
      EXPECT_GE(view::ContrastRatio(shown.text, shown.background), view::kReadableContrast)
          << c->name;
    }
  }
  Pump();  // and back
  const WindowGrab::TextOnBackground shown = Shown(form->Text0);
  EXPECT_EQ(shown.background, before);
  EXPECT_GE(view::ContrastRatio(shown.text, shown.background), view::kReadableContrast);
}

// --- Names ----------------------------------------------------------------

TEST_F(ThemedWindow, ABoxInDaylightSavingSaysSoToAScreenReaderAndAPlainOneDoesNot) {
  ASSERT_EQ(form->Text0.BackColor(), kColorWindow);           // Calcutta
  ASSERT_EQ(form->Text2.BackColor(), frmTime::kLightYellow);  // Central Time in June
  const std::string plain = HeardNameOf(Hwnd(form->Text0));
  const std::string daylight = HeardNameOf(Hwnd(form->Text2));
  EXPECT_NE(daylight, plain);
  EXPECT_EQ(daylight, "Time 3, daylight saving time");
  EXPECT_EQ(plain, "Time 1");

  // Reykjavik keeps no daylight saving: the box turns plain, and says so.
  const HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE,
                                               nullptr, &OnNameChange, 0, 0, WINEVENT_OUTOFCONTEXT);
  renamed.clear();
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
