#pragma once
// One zone's offset and daylight-saving rule, as the catalogue holds it.

#include <cstdint>

namespace tellux::zonetime {

struct ZoneRuleRecord {
  std::int32_t Bias = 0;          // minutes; UTC = the zone's standard time + Bias
  std::int32_t DaylightBias = 0;  // minutes, as the catalogue gives it
  std::int16_t StandardMonth = 0; // 1..12, 0 without daylight saving
  std::int16_t StandardWeek = 0;  // which Sunday, 1..5 (5 = the last)
  std::int16_t StandardHour = 0;
  std::int16_t DaylightMonth = 0;
  std::int16_t DaylightWeek = 0;
  std::int16_t DaylightHour = 0;
  double StandardStart = 0;       // date value: 00:00 of the day standard time begins
  double DaylightStart = 0;       // date value: 00:00 of the day daylight saving begins
  std::int16_t InDaylight = 0;    // -1 when the zone was in daylight saving at the load
};

}  // namespace tellux::zonetime
