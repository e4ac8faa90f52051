#pragma once
// What a native control shows, as UTF-8, for the window tests.

#include <windows.h>

#include <string>

#include "platform/win32/code_page.h"

namespace tellux::win32 {

inline std::string TextOf(HWND hwnd) {
  wchar_t text[256] = {};
  ::GetWindowTextW(hwnd, text, 256);
  return WideToUtf8(text);
}

}  // namespace tellux::win32
