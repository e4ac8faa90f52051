#include "platform/win32/win32_clock.h"

#include <algorithm>

#include "platform/win32/system_time.h"
#include "platform/win32/windows_api.h"

namespace tellux::win32 {
namespace {

// WCHAR is 16 bits on Windows, so the name's code units copy one to one.
void CopyName(const WCHAR (&from)[32], std::array<char16_t, 32>& to) {
  std::transform(std::begin(from), std::end(from), to.begin(),
                 [](WCHAR c) { return static_cast<char16_t>(c); });
}

}  // namespace

void Win32Clock::GetLocalTime(SYSTEMTIME& time) {
  ::SYSTEMTIME now{};
  ::GetLocalTime(&now);
  time = FromSystem(now);
}

void Win32Clock::GetSystemTime(SYSTEMTIME& time) {
  ::SYSTEMTIME now{};
  ::GetSystemTime(&now);
  time = FromSystem(now);
}

bool Win32Clock::GetSystemTimeAdjustment(std::uint32_t& adjustment, std::uint32_t& increment,
                                         std::int32_t& disabled) {
  DWORD systemAdjustment = 0;
  DWORD systemIncrement = 0;
  BOOL systemDisabled = FALSE;
  if (!::GetSystemTimeAdjustment(&systemAdjustment, &systemIncrement, &systemDisabled)) {
    return false;
  }
  adjustment = systemAdjustment;
  increment = systemIncrement;
  disabled = systemDisabled;
  return true;
}

std::uint32_t Win32Clock::GetTimeZoneInformation(TIME_ZONE_INFORMATION& info) {
  ::TIME_ZONE_INFORMATION zone{};
  const DWORD result = ::GetTimeZoneInformation(&zone);
  info.Bias = zone.Bias;
  CopyName(zone.StandardName, info.StandardName);
  info.StandardDate = FromSystem(zone.StandardDate);
  info.StandardBias = zone.StandardBias;
  CopyName(zone.DaylightName, info.DaylightName);
  info.DaylightDate = FromSystem(zone.DaylightDate);
  info.DaylightBias = zone.DaylightBias;
  return result;
}

}  // namespace tellux::win32
