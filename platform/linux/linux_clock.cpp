#include "platform/linux/linux_clock.h"

#include <sys/timex.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>
#include <utility>

namespace tellux {
namespace {

constexpr std::uint32_t kTimeZoneIdUnknown = 0;
constexpr std::uint32_t kTimeZoneIdStandard = 1;
constexpr std::uint32_t kTimeZoneIdDaylight = 2;
constexpr std::uint32_t kTimeZoneIdInvalid = 0xFFFFFFFFu;

SYSTEMTIME FromBrokenDown(const std::tm& parts, long nanoseconds) {
  SYSTEMTIME t;
  t.wYear = static_cast<std::uint16_t>(parts.tm_year + 1900);
  t.wMonth = static_cast<std::uint16_t>(parts.tm_mon + 1);
  t.wDayOfWeek = static_cast<std::uint16_t>(parts.tm_wday);
  t.wDay = static_cast<std::uint16_t>(parts.tm_mday);
  t.wHour = static_cast<std::uint16_t>(parts.tm_hour);
  t.wMinute = static_cast<std::uint16_t>(parts.tm_min);
  // A leap second (tm_sec 60) has no place in the Windows record.
  t.wSecond = static_cast<std::uint16_t>(std::min(parts.tm_sec, 59));
  t.wMilliseconds = static_cast<std::uint16_t>(nanoseconds / 1000000);
  return t;
}

std::uint32_t ClampToU32(double v) {
  if (!(v > 0)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<std::uint32_t>::max())) {
    return std::numeric_limits<std::uint32_t>::max();
  }
  return static_cast<std::uint32_t>(std::llround(v));
}

}  // namespace

LinuxClock::LinuxClock(ZoneLookup zoneLookup) : zoneLookup_(std::move(zoneLookup)) {}

void LinuxClock::GetLocalTime(SYSTEMTIME& time) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  // A changed zone takes effect within the second, as on Windows. tzset()
  // stats /etc/localtime each time, and loading the catalogue asks the time
  // once for each of its 139 zones: once a second is enough.
  if (now.tv_sec != zoneCheckedAt_) {
    tzset();
    zoneCheckedAt_ = now.tv_sec;
  }
  std::tm parts{};
  if (localtime_r(&now.tv_sec, &parts) == nullptr) return;
  time = FromBrokenDown(parts, now.tv_nsec);
}

void LinuxClock::GetSystemTime(SYSTEMTIME& time) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm parts{};
  if (gmtime_r(&now.tv_sec, &parts) == nullptr) return;
  time = FromBrokenDown(parts, now.tv_nsec);
}

bool LinuxClock::GetSystemTimeAdjustment(std::uint32_t& adjustment, std::uint32_t& increment,
                                         std::int32_t& disabled) {
  struct timex kernel {};
  kernel.modes = 0;  // read only: never steers the clock
  if (adjtimex(&kernel) == -1) return false;
  return MapKernelAdjustment(kernel, sysconf(_SC_CLK_TCK), adjustment, increment, disabled);
}

// Windows counts a clock interrupt every `increment` (100 ns) and adds
// `adjustment` (100 ns) to the clock at each; `disabled` is TRUE when the
// system keeps time by itself with no adjustment set. The kernel says:
//   tick   µs added to the clock per tick; its nominal value is
//          1e6 / ticksPerSecond, and a different value is a set slew;
//   freq   frequency correction in ppm with a 16-bit binary fraction;
//   status STA_UNSYNC while nothing disciplines the clock.
// So increment = the nominal tick × 10, adjustment = tick × 10 scaled by
// (1 + freq ppm), and disabled when the clock is unsynchronised or when
// neither tick nor freq departs from nominal (no adjustment in force).
bool MapKernelAdjustment(const struct timex& kernel, long ticksPerSecond, std::uint32_t& adjustment,
                         std::uint32_t& increment, std::int32_t& disabled) {
  if (ticksPerSecond <= 0 || kernel.tick <= 0) return false;
  const double nominalTick = 1e6 / static_cast<double>(ticksPerSecond);
  const double ppm = static_cast<double>(kernel.freq) / 65536.0;
  const std::uint32_t inc = ClampToU32(nominalTick * 10.0);
  const std::uint32_t adj = ClampToU32(static_cast<double>(kernel.tick) * 10.0 * (1.0 + ppm / 1e6));
  const bool unsynchronised = (kernel.status & STA_UNSYNC) != 0;
  const bool nothingSet =
      kernel.freq == 0 && std::fabs(static_cast<double>(kernel.tick) - nominalTick) < 0.5;
  increment = inc;
  adjustment = adj;
  disabled = (unsynchronised || nothingSet) ? 1 : 0;
  return true;
}

std::uint32_t LinuxClock::GetTimeZoneInformation(TIME_ZONE_INFORMATION& info) {
  if (!zoneLookup_) return kTimeZoneIdInvalid;
  zoneLookup_(info);
  // Windows says "unknown" for a zone without transition dates.
  if (info.DaylightDate.wMonth == 0) return kTimeZoneIdUnknown;
  tzset();
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  if (localtime_r(&now, &parts) == nullptr || parts.tm_isdst < 0) return kTimeZoneIdUnknown;
  return parts.tm_isdst > 0 ? kTimeZoneIdDaylight : kTimeZoneIdStandard;
}

}  // namespace tellux
