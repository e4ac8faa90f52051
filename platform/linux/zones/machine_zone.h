#pragma once
// The machine's own zone as Windows reports it (TIME_ZONE_INFORMATION),
// found the way the C library finds it: the TZ variable (":Area/City",
// "Area/City" or a POSIX rule; set but empty means UTC), else
// /etc/localtime. The record is copied from the catalogue entry of the
// zone's Windows id, so its StandardName equals that entry's "Std". A zone
// without a Windows id takes the entry whose rule is the same as its own;
// failing that the record is made from the zone itself, with names of its
// own that match no entry.
//
// Never fails: when no zone can be read at all the machine runs on UTC, as
// the C library does, and that is what is reported.

#include <optional>
#include <string>

#include "platform/linux/zones/catalogue.h"
#include "platform/win_types.h"

namespace tellux::zoneinfo {

struct MachineZoneSources {
  std::optional<std::string> tz;                 // the TZ variable; nullopt when unset
  std::string localtimePath = "/etc/localtime";  // a link into the zone folder, or a copy
  std::string timezonePath = "/etc/timezone";    // names the zone when localtime is a copy
};

// The sources of this process: its TZ variable and the usual files.
MachineZoneSources MachineZoneSourcesFromEnvironment();

enum class MachineZoneMatch {
  kWindowsZone,  // the entry of the zone's Windows id (or the "UTC" entry)
  kSameRule,     // no Windows id; an entry with the same rule
  kOwnRule,      // matches no entry
};

// Fills info for the machine's zone; zone names are resolved in the
// catalogue's zone folder and its language.
MachineZoneMatch FillMachineZone(const TzCatalogue& catalogue, const MachineZoneSources& sources,
                                 TIME_ZONE_INFORMATION& info);

}  // namespace tellux::zoneinfo
