#pragma once
// Reading one zone of the catalogue from the registry.

#include <cstdint>
#include <string>

#include "catalogue/zone_catalogue.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/win_types.h"

namespace tellux::catalogue {

using tellux::kNtCataloguePath;
using tellux::kWindowsCataloguePath;

// The catalogue's registry path for the platform family OsVersion names.
const char* CataloguePath(const OSVERSIONINFO& OsVersion);

// The text value valueName of the key path below root: REG_SZ up to its first
// NUL, REG_BINARY as one character per byte. Empty when the key or value is
// missing or of another type. A run-time error inside is reported as
// "... in GetString" and ends the program.
std::string GetString(const Services& services, RegKey root, const std::string& path,
                      const std::string& valueName);

// The same for an open key.
std::string RegQueryStringValue(const Services& services, RegKey key, const std::string& valueName);

// Reads subkey name's "Display", "Std", "Dlt" and "TZI" into entry index of
// the catalogue, with its transition dates and daylight flag. A value named
// by the current year in the zone's "Dynamic DST" subkey, at least 44 bytes
// long, is read in place of "TZI". A failure (a "TZI" too short, an index
// outside the catalogue) is reported as "... in GetRegistryValues for
// <name>"; what was stored before it stays and the call returns normally.
void GetRegistryValues(const Services& services, ZoneCatalogue& catalogue,
                       const OSVERSIONINFO& OsVersion, const std::string& name, std::int16_t index);

}  // namespace tellux::catalogue
