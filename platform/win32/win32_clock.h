#pragma once
// The machine's clock and zone from the Windows calls of the same names.

#include "platform/clock.h"

namespace tellux::win32 {

class Win32Clock final : public Clock {
 public:
  void GetLocalTime(SYSTEMTIME& time) override;
  void GetSystemTime(SYSTEMTIME& time) override;
  bool GetSystemTimeAdjustment(std::uint32_t& adjustment, std::uint32_t& increment,
                               std::int32_t& disabled) override;
  std::uint32_t GetTimeZoneInformation(TIME_ZONE_INFORMATION& info) override;
};

}  // namespace tellux::win32
