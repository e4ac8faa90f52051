#pragma once
// A zone's rule in the shape Windows keeps it: the "TZI" value of its zone
// catalogue (44 bytes) and the rule part of TIME_ZONE_INFORMATION. Biases are
// minutes with UTC = local time + bias; each change is a SYSTEMTIME-shaped
// yearly rule (wYear 0, wMonth, wDayOfWeek 0 = Sunday, wDay = week 1..5 with
// 5 = the last, wHour, wMinute, wSecond). A zone without daylight saving
// time has both dates all zero and DaylightBias 0. Never fails.

#include <cstdint>
#include <string>

#include "platform/linux/tzdb/posix_tz_rule.h"
#include "platform/win_types.h"

namespace tellux::zoneinfo {

struct TziRecord {
  std::int32_t Bias = 0;
  std::int32_t StandardBias = 0;
  std::int32_t DaylightBias = 0;
  SYSTEMTIME StandardDate{};  // the change back to standard time, in daylight time
  SYSTEMTIME DaylightDate{};  // the change into daylight saving time, in standard time
  friend bool operator==(const TziRecord&, const TziRecord&) = default;
};

// An offset in seconds as the record's whole minutes, halves away from zero.
std::int32_t RecordMinutes(std::int32_t seconds);

// The record of a POSIX rule (negative daylight saving turned around first).
// Offsets are rounded to whole minutes. A change timed outside 00:00..23:59
// ("M3.4.4/26", "M3.5.0/-1") moves to the day it falls on: 26 h after the
// 4th Thursday becomes 02:00 on the 4th Friday, -1 h on the last Sunday
// becomes 23:00 on the last Saturday. The week is kept, so in a year where
// the moved day crosses into another week of the month the record is a week
// off; a move of four days or more takes the nearer week instead.
TziRecord TziFromRule(const PosixTzRule& rule);

// The 44 little-endian bytes: Bias, StandardBias, DaylightBias (int32 each),
// StandardDate, DaylightDate (eight uint16 each).
std::string TziBytes(const TziRecord& record);

}  // namespace tellux::zoneinfo
