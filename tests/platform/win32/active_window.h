#pragma once
// The native window on the test doubles, shown and active under Wine, for
// the keyboard tests: keys are posted to the window's queue and run through
// the program's own message loop, as the user's would be.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/win32/win32_frm_time_view.h"
#include "tests/window/form_test_support.h"

namespace tellux::win32 {

class ActiveWindow : public testing::FormTest {
 protected:
  void SetUp() override {
    testing::StoreFourPanels(t.settings);
    NewForm();
    view = std::make_unique<Win32FrmTimeView>(*form, ::GetModuleHandleW(nullptr));
    view->Start(SW_SHOWNORMAL);
    Pump();
    form->Timer1.Fire();
  }
  HWND Hwnd(const Control& c) const { return view->HandleFor(c); }
  std::string NameOf(HWND hwnd) const {
    if (hwnd == nullptr) return "no window";
    if (hwnd == view->Window()) return "the main window";
    for (const Control* c : form->Controls()) {
      if (Hwnd(*c) == hwnd) return c->name;
    }
    return "a window of no control";
  }
  std::string Focus() const { return NameOf(::GetFocus()); }

  // Runs the program's message loop until what is queued has been handled.
  void Pump() {
    ::PostQuitMessage(0);
    view->RunMessageLoop();
  }
  // A key pressed and released where the focus is.
  void Press(UINT key, bool shift = false) { PressWith(shift ? VK_SHIFT : 0, key); }
  // A key pressed and released while modifier (VK_SHIFT, VK_CONTROL; 0 for
  // none) is held down.
  void PressWith(UINT modifier, UINT key) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    if (modifier != 0) keys[modifier] = 0x80;
    ::SetKeyboardState(keys);
    const HWND to = ::GetFocus();
    ::PostMessageW(to, WM_KEYDOWN, key, 1);
    ::PostMessageW(to, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    Pump();
    if (modifier != 0) keys[modifier] = 0;
    ::SetKeyboardState(keys);
  }
  // Characters typed where the focus is, one keystroke each.
  void Type(const char* text) {
    const HWND to = ::GetFocus();
    for (const char* c = text; *c != '\0'; ++c) ::PostMessageW(to, WM_CHAR, static_cast<WPARAM>(*c), 1);
    Pump();
  }
  // UTF-16 units typed where the focus is, as the keyboard sends them: a
  // character past U+FFFF as its two halves.
  void TypeUnits(std::wstring_view units) {
    const HWND to = ::GetFocus();
    for (const wchar_t unit : units) ::PostMessageW(to, WM_CHAR, static_cast<WPARAM>(unit), 1);
    Pump();
  }

  std::unique_ptr<Win32FrmTimeView> view;
};

}  // namespace tellux::win32
