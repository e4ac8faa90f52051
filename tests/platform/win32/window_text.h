#pragma once
// What a native control shows, and the name a screen reader hears for it,
// as UTF-8, for the window tests.

#include <windows.h>
#include <oleacc.h>

#include <string>

#include "platform/win32/code_page.h"
#include "platform/win32/unique_handle.h"

namespace tellux::win32 {

inline std::string TextOf(HWND hwnd) {
  wchar_t text[256] = {};
  ::GetWindowTextW(hwnd, text, 256);
  return WideToUtf8(text);
}

// The name a screen reader hears for hwnd: its client object's accessible
// name, "" where it has none, "no accessible object" where there is none.
inline std::string HeardNameOf(HWND hwnd) {
  IAccessible* accessible = nullptr;
  if (::AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, IID_IAccessible,
                                   reinterpret_cast<void**>(&accessible)) != S_OK) {
    return "no accessible object";
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  UniqueBstr name;
  accessible->get_accName(self, name.put());
  accessible->Release();
  return name ? WideToUtf8(name.get()) : std::string();
}

}  // namespace tellux::win32
