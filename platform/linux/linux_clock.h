#pragma once
// The machine's clock on Linux: the current local and UTC time from the
// kernel's real-time clock, the kernel's tick adjustment in Windows' 100 ns
// units, and the machine's zone through a lookup supplied by the caller.

#include <cstdint>
#include <functional>

#include "platform/clock.h"

struct timex;  // <sys/timex.h>, for MapKernelAdjustment's callers

namespace tellux {

class LinuxClock final : public Clock {
 public:
  // Fills the machine's zone record; the zone lookup lives elsewhere.
  using ZoneLookup = std::function<void(TIME_ZONE_INFORMATION&)>;

  explicit LinuxClock(ZoneLookup zoneLookup);

  // Local time follows TZ (and /etc/localtime), as localtime_r does; a
  // change shows from the next second on at the latest.
  void GetLocalTime(SYSTEMTIME& time) override;
  void GetSystemTime(SYSTEMTIME& time) override;
  // False, outputs untouched, when the kernel will not say.
  bool GetSystemTimeAdjustment(std::uint32_t& adjustment, std::uint32_t& increment,
                               std::int32_t& disabled) override;
  // 1 standard, 2 daylight (the C library's view of now), 0 when the zone
  // has no daylight rule; 0xFFFFFFFF, info untouched, without a lookup.
  std::uint32_t GetTimeZoneInformation(TIME_ZONE_INFORMATION& info) override;

 private:
  ZoneLookup zoneLookup_;
  std::int64_t zoneCheckedAt_ = -1;  // the second of the last tzset()
};

// The kernel's answer to a read-only adjtimex as Windows' three values (see
// the definition for the mapping). ticksPerSecond is the kernel's nominal
// clock-interrupt rate (sysconf(_SC_CLK_TCK)). False, outputs untouched,
// when the numbers make no sense (no tick, no rate).
bool MapKernelAdjustment(const struct timex& kernel, long ticksPerSecond, std::uint32_t& adjustment,
                         std::uint32_t& increment, std::int32_t& disabled);

}  // namespace tellux
