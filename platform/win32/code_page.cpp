#include "platform/win32/code_page.h"

#include "platform/win32/windows_api.h"

namespace tellux::win32 {
namespace {

std::wstring ToWide(unsigned codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int wideSize = ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideSize > 0 ? wideSize : 0), L'\0');
  if (wideSize > 0) ::MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), wideSize);
  return wide;
}

std::string FromWide(unsigned codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int narrowSize =
      ::WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(narrowSize > 0 ? narrowSize : 0), '\0');
  if (narrowSize > 0) {
    ::WideCharToMultiByte(codePage, 0, wide.data(), size, narrow.data(), narrowSize, nullptr,
                          nullptr);
  }
  return narrow;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
  // Already UTF-8 when a manifest or the system makes it the ANSI code page.
  if (::GetACP() == CP_UTF8) return std::string(ansi);
  return FromWide(CP_UTF8, ToWide(CP_ACP, ansi));
}

std::string Utf8ToAnsi(std::string_view utf8) {
  if (::GetACP() == CP_UTF8) return std::string(utf8);
  return FromWide(CP_ACP, ToWide(CP_UTF8, utf8));
}

std::wstring Utf8ToWide(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }

std::string WideToUtf8(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }

}  // namespace tellux::win32
