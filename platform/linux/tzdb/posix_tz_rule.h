#pragma once
// A zone's rule as a POSIX TZ string gives it ("PST8PDT,M3.2.0,M11.1.0",
// "<+0530>-5:30", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0"), with the extensions the
// tz database writes: transition times may be negative or beyond 24 hours
// (up to 167). Offsets and times are in seconds.
//
// Failure value: std::nullopt for any text that is not such a rule.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tellux::zoneinfo {

// One yearly change: the weekday-th day (0 = Sunday) of the week-th week of
// month (week 5 = the last such weekday), at time seconds after that day's
// local midnight, counted in the time in force before the change.
struct PosixTransition {
  int month = 0;              // 1..12
  int week = 0;               // 1..5
  int weekday = 0;            // 0..6
  std::int32_t time = 7200;   // -167 h .. 167 h
  friend bool operator==(const PosixTransition&, const PosixTransition&) = default;
};

struct PosixTzRule {
  std::string standardAbbreviation;
  // Seconds west of UTC, as POSIX writes them: UTC = local standard time +
  // standardOffset (8 h for "PST8").
  std::int32_t standardOffset = 0;
  bool hasDaylight = false;
  std::string daylightAbbreviation;
  std::int32_t daylightOffset = 0;  // the same sense; one hour less than standard when not given
  PosixTransition daylightStart;    // the change into daylight saving time
  PosixTransition daylightEnd;      // the change back to standard time
  friend bool operator==(const PosixTzRule&, const PosixTzRule&) = default;
};

// Parses a whole TZ string (no leading ':'). Day-of-year forms ("Jn", "n"),
// which no current zone uses, are approximated by the Sunday of the same week
// of the month and may be off by up to six days. A year-round daylight saving
// time written with them ("EST5EDT,0/0,J365/25") is returned as a fixed zone
// at the daylight offset. A daylight name without a rule gets the US rule
// (M3.2.0,M11.1.0), as the C library assumes.
std::optional<PosixTzRule> ParsePosixTz(std::string_view tz);

// A rule whose "daylight" time lies behind its standard time (negative
// daylight saving, as in "IST-1GMT0,M10.5.0,M3.5.0/1") turned around so that
// the earlier time is standard time, which is how Windows records zones.
// Other rules come back unchanged.
PosixTzRule WithDaylightAhead(PosixTzRule rule);

}  // namespace tellux::zoneinfo
