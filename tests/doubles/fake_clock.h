#pragma once
// A clock that shows whatever the test sets: local time, UTC, the clock
// adjustment and the machine's zone.

#include <string>

#include "platform/clock.h"

namespace tellux::testing {

// A record for a date and time; the day of the week is filled in.
SYSTEMTIME MakeTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                    int millisecond = 0);

class FakeClock final : public Clock {
 public:
  SYSTEMTIME local = MakeTime(2003, 6, 15, 12, 0, 0);
  SYSTEMTIME utc = MakeTime(2003, 6, 15, 10, 0, 0);
  std::uint32_t adjustment = 156250;
  std::uint32_t increment = 156250;
  std::int32_t disabled = 1;
  TIME_ZONE_INFORMATION zone{};
  int localReads = 0;

  // Sets the machine zone's bias and names.
  void SetZone(std::int32_t bias, const std::string& standardName, const std::string& daylightName);
  // Moves both clocks on by whole seconds.
  void Advance(long long seconds);

  void GetLocalTime(SYSTEMTIME& time) override {
    ++localReads;
    time = local;
  }
  void GetSystemTime(SYSTEMTIME& time) override { time = utc; }
  bool GetSystemTimeAdjustment(std::uint32_t& a, std::uint32_t& i, std::int32_t& d) override {
    a = adjustment;
    i = increment;
    d = disabled;
    return true;
  }
  std::uint32_t GetTimeZoneInformation(TIME_ZONE_INFORMATION& info) override {
    info = zone;
    return 1;
  }
};

}  // namespace tellux::testing
