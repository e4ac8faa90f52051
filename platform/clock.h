#pragma once
// The machine's clock and its own time zone, as Windows reports them.

#include <cstdint>

#include "platform/win_types.h"

namespace tellux {

class Clock {
 public:
  Clock() = default;
  Clock(const Clock&) = delete;
  Clock& operator=(const Clock&) = delete;
  virtual ~Clock() = default;

  // Current local date and time, with milliseconds and day of week (Sunday 0).
  virtual void GetLocalTime(SYSTEMTIME& time) = 0;
  // Current UTC date and time.
  virtual void GetSystemTime(SYSTEMTIME& time) = 0;
  // The clock's periodic adjustment and update interval, both in 100 ns units,
  // and whether adjustment is disabled (non-zero). False when unknown.
  virtual bool GetSystemTimeAdjustment(std::uint32_t& adjustment, std::uint32_t& increment,
                                       std::int32_t& disabled) = 0;
  // Fills the machine's zone record. Returns the Windows result code
  // (0 unknown, 1 standard, 2 daylight, 0xFFFFFFFF failure); callers ignore it.
  virtual std::uint32_t GetTimeZoneInformation(TIME_ZONE_INFORMATION& info) = 0;
};

}  // namespace tellux
