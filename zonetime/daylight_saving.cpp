#include "zonetime/daylight_saving.h"

#include "platform/checked16.h"
#include "platform/date_value.h"
#include "platform/error_trap.h"

namespace tellux::zonetime {
namespace {

double Now(const Services& services) {
  SYSTEMTIME now;
  services.clock.GetLocalTime(now);
  return date_value::FromSystemTime(now);
}

}  // namespace

double CalculateDate(const Services& services, std::int16_t Month, std::int16_t Week) {
  return TrapAndEnd(services, "CalculateDate", [&] {
    const int year = date_value::Year(Now(services));
    double d = date_value::DateSerial(year, Month, 1);
    while (date_value::Weekday(d) != 1) d += 1;
    d += checked16::Narrow(checked16::Narrow(Week - 1LL) * 7LL);
    // Only one week is taken back: a Week above 5 is not capped.
    if (date_value::Month(d) != Month) d -= 7;
    return d;
  });
}

std::int16_t CheckDaylightsaving(const Services& services, double StandardStart,
                                 double DaylightStart) {
  return TrapAndEnd(services, "CheckDaylightsaving", [&]() -> std::int16_t {
    if (StandardStart == DaylightStart) return 0;
    const double now = Now(services);
    bool inDaylight;
    if (StandardStart < DaylightStart) {
      // The daylight period spans the turn of the year.
      inDaylight = now < StandardStart || now >= DaylightStart;
    } else {
      inDaylight = DaylightStart <= now && now < StandardStart;
    }
    return inDaylight ? -1 : 0;
  });
}

}  // namespace tellux::zonetime
