#pragma once
// A zone's rule for single calendar years, built from the transitions its
// zone file lists, in the shape of the catalogue's record
// (windows_tzi_record.h).
// The rule a zone file ends with says what holds in the long run; a zone
// whose changes move from year to year (Morocco's Ramadan) or whose law
// changes has, for the years its file lists, a rule of its own, which is
// what Windows keeps in a zone's "Dynamic DST" subkey.
//
// A year's record exists where that year's changes of offset (by local
// date) are exactly two: one from standard time to another offset and one
// back. Bias is the standard time's; DaylightBias the other offset's
// difference from it (-60 for an hour ahead, +60 for an hour behind);
// DaylightDate the change away from standard time, in standard time, and
// StandardDate the change back, in the other; each as month, weekday, which
// such weekday of the month (5 = the last) and time of day. Never fails.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/linux/tzdb/tzif_file.h"
#include "platform/linux/tzdb/windows_tzi_record.h"

namespace tellux::zoneinfo {

struct YearRecord {
  int year = 0;
  TziRecord tzi;
  friend bool operator==(const YearRecord&, const YearRecord&) = default;
};

// The record of year for a zone whose standard time is UTC - standardBias
// minutes; nullopt when that year's changes are not such a pair.
std::optional<TziRecord> TziForYear(const std::vector<TzifTransition>& transitions, int year,
                                    std::int32_t standardBias);

// The records of every year the transitions cover that differ from standing
// (the zone's long-run record, whose Bias is taken as standard time), by
// year ascending. Years without one, or with the standing record, are left
// out: for them the standing record holds.
std::vector<YearRecord> YearRecords(const std::vector<TzifTransition>& transitions,
                                    const TziRecord& standing);

}  // namespace tellux::zoneinfo
