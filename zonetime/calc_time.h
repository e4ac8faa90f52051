#pragma once
// Converting a time of day from one catalogue zone to another and rendering
// it without seconds. Only the hour and minute move; the date never does.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/services.h"
#include "platform/win_types.h"
#include "zonetime/minute_text.h"
#include "zonetime/zone_rule.h"

namespace tellux::zonetime {

// What a conversion reads and writes besides its records.
struct ConversionContext {
  const std::vector<ZoneRuleRecord>& ZoneRule;  // the catalogue's rules, entry 0 all zero
  const std::string& TimeSeparator;            // the user locale's
  std::int16_t& CharPos;                       // left as RemoveSeconds leaves it
};

// Result = Source with wHour and wMinute moved from FromZone's wall clock to
// ToZone's (each zone's Bias, and for one in daylight saving its DaylightBias,
// or 60 minutes when that is 0), the hour brought into 0..23 and the minute
// into 0..59. Returns Result's time of
// day in the system locale's time format without seconds. A zone number
// outside the catalogue is reported as "Subscript out of range in CalcTime"
// and ends the program. With kept (the clock's rows), the text comes from
// kept while Result stays in the minute it holds; CharPos is then untouched.
std::string CalcTime(const Services& services, const ConversionContext& context,
                     const SYSTEMTIME& Source, SYSTEMTIME& Result, std::int16_t FromZone,
                     std::int16_t ToZone, MinuteText* kept = nullptr);

// The time of day of time in the system locale's own format (with seconds).
// The locale writes into 254 of 255 characters of fill; where it refuses the
// record they stay, so the failure value is 255 blanks for ' ' and empty for
// '\0'.
std::string FormatSystemTime(Locale& locale, const SYSTEMTIME& time, char fill = ' ');

}  // namespace tellux::zonetime
