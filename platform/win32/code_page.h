#pragma once
// Text at the boundary of the Windows calls. The logic speaks UTF-8; the
// "A" calls speak the ANSI code page (GetACP()), the "W" calls UTF-16.
// Conversions never fail: what a code page cannot hold becomes its default
// character, malformed input U+FFFD. Embedded NULs are kept.

#include <string>
#include <string_view>

namespace tellux::win32 {

std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

}  // namespace tellux::win32
