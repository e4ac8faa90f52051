#include "platform/win32/registry_settings.h"

#include <string>

#include "platform/win32/code_page.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/windows_api.h"

namespace tellux::win32 {
namespace {

// The W calls: settings may hold any text, not only what the ANSI code page can.
std::wstring KeyPath(std::string_view appName, std::string_view section) {
  return L"Software\\" + Utf8ToWide(appName) + L"\\" + Utf8ToWide(section);
}

}  // namespace

std::string RegistrySettings::GetSetting(std::string_view appName, std::string_view section,
                                         std::string_view key, std::string_view defaultValue) {
  UniqueHkey settings;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(appName, section).c_str(), 0, KEY_QUERY_VALUE,
                      settings.put()) != ERROR_SUCCESS) {
    return std::string(defaultValue);
  }
  const std::wstring name = Utf8ToWide(key);
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExW(settings.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::string(defaultValue);
  }
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (::RegQueryValueExW(settings.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::string(defaultValue);
  }
  // A stored text need not end in a NUL; it ends at the first one if it has one.
  value.resize(size / sizeof(wchar_t));
  const std::size_t nul = value.find(L'\0');
  if (nul != std::wstring::npos) value.resize(nul);
  return WideToUtf8(value);
}

bool RegistrySettings::SaveSetting(std::string_view appName, std::string_view section,
                                   std::string_view key, std::string_view value) {
  UniqueHkey settings;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(appName, section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, settings.put(),
                        nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::wstring text = Utf8ToWide(value);
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return ::RegSetValueExW(settings.get(), Utf8ToWide(key).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

}  // namespace tellux::win32
