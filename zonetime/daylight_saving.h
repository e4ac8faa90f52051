#pragma once
// Turning a zone's two transition rules into dates of the current year and a
// daylight-saving flag. A run-time error inside either is reported as
// "<description> in CalculateDate" (or CheckDaylightsaving) and ends the
// program.

#include <cstdint>

#include "platform/services.h"

namespace tellux::zonetime {

// 00:00 of the Week-th Sunday (5 = the last) of Month in the year of the
// machine's current local date, as a date value. Month 0 is December of the
// year before, as for a zone without daylight saving.
double CalculateDate(const Services& services, std::int16_t Month, std::int16_t Week);

// -1 when the machine's current local date and time lies inside the
// daylight-saving period the two transition dates bound, else 0. Equal dates
// mean no daylight saving.
std::int16_t CheckDaylightsaving(const Services& services, double StandardStart,
                                 double DaylightStart);

}  // namespace tellux::zonetime
