#pragma once
// The operating-system records and codes the logic speaks in. They keep the
// Windows shapes and field names so the Win32 backend maps them one to one and
// every other backend imitates them. Constant names carry a k prefix because
// the Windows headers define the plain names as macros.

#include <array>
#include <cstdint>

namespace tellux {

// A calendar date and time of day; eight 16-bit fields, as in Windows.
struct SYSTEMTIME {
  std::uint16_t wYear = 0;
  std::uint16_t wMonth = 0;
  std::uint16_t wDayOfWeek = 0;
  std::uint16_t wDay = 0;
  std::uint16_t wHour = 0;
  std::uint16_t wMinute = 0;
  std::uint16_t wSecond = 0;
  std::uint16_t wMilliseconds = 0;
  friend bool operator==(const SYSTEMTIME&, const SYSTEMTIME&) = default;
};

// The machine's own zone. Bias in minutes, UTC = local time + Bias. Names are
// UTF-16 code units, NUL-padded.
struct TIME_ZONE_INFORMATION {
  std::int32_t Bias = 0;
  std::array<char16_t, 32> StandardName{};
  SYSTEMTIME StandardDate{};
  std::int32_t StandardBias = 0;
  std::array<char16_t, 32> DaylightName{};
  SYSTEMTIME DaylightDate{};
  std::int32_t DaylightBias = 0;
};

// The operating system's version record (ANSI form, 148 bytes on Windows).
struct OSVERSIONINFO {
  std::uint32_t dwOSVersionInfoSize = 0;
  std::uint32_t dwMajorVersion = 0;
  std::uint32_t dwMinorVersion = 0;
  std::uint32_t dwBuildNumber = 0;
  std::uint32_t dwPlatformId = 0;
  std::array<char, 128> szCSDVersion{};
};

struct FILETIME {
  std::uint32_t dwLowDateTime = 0;
  std::uint32_t dwHighDateTime = 0;
};

// A registry key handle; 0 is no key.
using RegKey = std::uintptr_t;

constexpr RegKey kHkeyLocalMachine = 0x80000002u;
constexpr RegKey kHkeyCurrentUser = 0x80000001u;
constexpr std::uint32_t kKeyRead = 0x20019u;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;
constexpr std::uint32_t kVerPlatformWin32Windows = 1;
constexpr std::uint32_t kVerPlatformWin32Nt = 2;

constexpr std::uint32_t kLocaleUserDefault = 0x0400;
constexpr std::uint32_t kLocaleSystemDefault = 0x0800;
constexpr std::uint32_t kLocaleSDecimal = 0x0E;
constexpr std::uint32_t kLocaleSTime = 0x1E;
constexpr std::uint32_t kLocaleS1159 = 0x28;
constexpr std::uint32_t kLocaleS2359 = 0x29;

// Colours as Windows COLORREF: 0x00BBGGRR.
using ColorRef = std::uint32_t;
constexpr ColorRef Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

}  // namespace tellux
