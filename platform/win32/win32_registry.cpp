#include "platform/win32/win32_registry.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/win32/code_page.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/windows_api.h"

namespace tellux::win32 {

struct Win32Registry::OpenKeys {
  std::map<HKEY, UniqueHkey> keys;
};

namespace {

// Our root constants are the 32-bit values; Windows sign-extends them into
// 64-bit handles, so they are mapped rather than cast.
HKEY ToHkey(RegKey key) {
  if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
  if (key == kHkeyCurrentUser) return HKEY_CURRENT_USER;
  return reinterpret_cast<HKEY>(key);
}

RegKey FromHkey(HKEY key) { return reinterpret_cast<RegKey>(key); }

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// Writes text and a NUL into the first `length` characters of buffer, as the
// A calls do; false (nothing written) when they are too few.
bool WriteTerminated(const std::string& text, std::string& buffer, std::uint32_t length) {
  const std::size_t room = std::min<std::size_t>(length, buffer.size());
  if (text.size() + 1 > room) return false;
  std::memcpy(buffer.data(), text.data(), text.size());
  buffer[text.size()] = '\0';
  return true;
}

}  // namespace

Win32Registry::Win32Registry() : open_(std::make_unique<OpenKeys>()) {}
Win32Registry::~Win32Registry() = default;

bool Win32Registry::GetVersionExA(OSVERSIONINFO& info) {
  OSVERSIONINFOA system{};
  system.dwOSVersionInfoSize = sizeof system;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!::GetVersionExA(&system)) return false;
#pragma GCC diagnostic pop
  info.dwMajorVersion = system.dwMajorVersion;
  info.dwMinorVersion = system.dwMinorVersion;
  info.dwBuildNumber = system.dwBuildNumber;
  info.dwPlatformId = system.dwPlatformId;
  info.szCSDVersion.fill('\0');
  const std::string csd = AnsiToUtf8(system.szCSDVersion);
  std::copy_n(csd.begin(), std::min(csd.size(), info.szCSDVersion.size() - 1),
              info.szCSDVersion.begin());
  return true;
}

long Win32Registry::RegOpenKeyExA(RegKey key, const std::string& subKey, std::uint32_t options,
                                  std::uint32_t samDesired, RegKey& result) {
  result = 0;
  UniqueHkey opened;
  const LSTATUS status = ::RegOpenKeyExA(ToHkey(key), Utf8ToAnsi(subKey).c_str(), options,
                                         samDesired, opened.put());
  if (status != ERROR_SUCCESS) return status;
  result = FromHkey(opened.get());
  open_->keys.emplace(opened.get(), std::move(opened));
  return ERROR_SUCCESS;
}

long Win32Registry::RegOpenKeyA(RegKey key, const std::string& subKey, RegKey& result) {
  result = 0;
  UniqueHkey opened;
  const LSTATUS status = ::RegOpenKeyA(ToHkey(key), Utf8ToAnsi(subKey).c_str(), opened.put());
  if (status != ERROR_SUCCESS) return status;
  result = FromHkey(opened.get());
  open_->keys.emplace(opened.get(), std::move(opened));
  return ERROR_SUCCESS;
}

long Win32Registry::RegEnumKeyExA(RegKey key, std::uint32_t index, std::string& name,
                                  std::uint32_t& nameLength, std::string& className,
                                  std::uint32_t& classLength, FILETIME& lastWriteTime) {
  // Key names are at most 255 characters; classes have no documented limit,
  // so the class buffer follows what the caller offers.
  char systemName[256] = {};
  DWORD systemNameLength = sizeof systemName;
  std::string systemClass(std::max<std::size_t>(className.size(), 1), '\0');
  DWORD systemClassLength = static_cast<DWORD>(systemClass.size());
  ::FILETIME written{};
  const LSTATUS status =
      ::RegEnumKeyExA(ToHkey(key), index, systemName, &systemNameLength, nullptr,
                      systemClass.data(), &systemClassLength, &written);
  if (status != ERROR_SUCCESS) return status;

  const std::string utf8Name = AnsiToUtf8({systemName, systemNameLength});
  const std::string utf8Class = AnsiToUtf8({systemClass.data(), systemClassLength});
  if (!WriteTerminated(utf8Name, name, nameLength)) return ERROR_MORE_DATA;
  if (classLength > 0 && !WriteTerminated(utf8Class, className, classLength)) {
    return ERROR_MORE_DATA;
  }
  nameLength = static_cast<std::uint32_t>(utf8Name.size());
  classLength = static_cast<std::uint32_t>(utf8Class.size());
  lastWriteTime.dwLowDateTime = written.dwLowDateTime;
  lastWriteTime.dwHighDateTime = written.dwHighDateTime;
  return ERROR_SUCCESS;
}

long Win32Registry::RegQueryValueExA(RegKey key, const std::string& valueName,
                                     std::uint32_t& type, std::string* data,
                                     std::uint32_t& dataSize) {
  // The whole value is read here first: a text's size is only known in UTF-8
  // once it has been converted.
  const HKEY hkey = ToHkey(key);
  const std::string name = Utf8ToAnsi(valueName);
  DWORD systemType = 0;
  DWORD size = 0;
  LSTATUS status = ::RegQueryValueExA(hkey, name.c_str(), nullptr, &systemType, nullptr, &size);
  std::string value;
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    value.assign(size, '\0');
    status = ::RegQueryValueExA(hkey, name.c_str(), nullptr, &systemType,
                                reinterpret_cast<BYTE*>(value.data()), &size);
    if (status == ERROR_SUCCESS) {
      value.resize(size);
      break;
    }
  }
  if (status != ERROR_SUCCESS) return status;
  if (IsText(systemType)) value = AnsiToUtf8(value);

  type = systemType;
  const auto valueSize = static_cast<std::uint32_t>(value.size());
  if (data == nullptr) {
    dataSize = valueSize;
    return ERROR_SUCCESS;
  }
  if (dataSize < valueSize || data->size() < valueSize) {
    dataSize = valueSize;
    return ERROR_MORE_DATA;
  }
  std::memcpy(data->data(), value.data(), value.size());
  dataSize = valueSize;
  return ERROR_SUCCESS;
}

long Win32Registry::RegCloseKey(RegKey key) {
  const auto found = open_->keys.find(ToHkey(key));
  if (found != open_->keys.end()) {
    const HKEY hkey = found->second.release();
    open_->keys.erase(found);
    return ::RegCloseKey(hkey);
  }
  // A root or a key we never opened: the system says what it makes of it.
  return key == 0 ? ERROR_INVALID_HANDLE : ::RegCloseKey(ToHkey(key));
}

std::size_t Win32Registry::OpenKeyCount() const { return open_->keys.size(); }

}  // namespace tellux::win32
