#pragma once
// The mapping between Windows zone ids ("Pacific Standard Time") and tz
// database zone names ("America/Los_Angeles"), as ICU carries it from CLDR.
//
// Failure value: an empty string or list (unknown name, ICU data missing).

#include <string>
#include <string_view>
#include <vector>

namespace tellux::zoneinfo {

struct WindowsZone {
  std::string windowsId;   // "Pacific Standard Time"
  std::string goldenZone;  // the zone standing for it worldwide, "America/Los_Angeles"
};

// Every Windows id of the mapping with its golden zone, sorted by id. The
// ids are read from the mapping table in one pass, which yields the same ids
// as asking getWindowsID of every canonical zone at a small part of the cost.
std::vector<WindowsZone> WindowsZones();

// Every zone the Windows id stands for in any region of the mapping, the
// golden zone first, each once: "AUS Eastern Standard Time" gives
// "Australia/Sydney", "Australia/Melbourne". Empty for an unknown id.
std::vector<std::string> ZonesOfWindowsId(std::string_view windowsId);

// The Windows id of any zone name or alias; empty when it has none.
std::string WindowsIdOf(std::string_view zoneName);

// The canonical (CLDR) id of a zone name or alias; empty when ICU does not
// know the name.
std::string CanonicalZoneId(std::string_view zoneName);

// The other names of the same zone (aliases and links), canonical first.
std::vector<std::string> EquivalentZoneIds(std::string_view zoneName);

}  // namespace tellux::zoneinfo
