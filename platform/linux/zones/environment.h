#pragma once
// What the process environment says about zones: the user's language for
// zone names and the folder of the tz database. Never fails; each has a
// default.

#include <string>
#include <string_view>

#include "platform/linux/locale/locale_names.h"

namespace tellux::zoneinfo {

inline constexpr const char* kDefaultZoneDirectory = "/usr/share/zoneinfo";

// The user's language for zone names is the one the locale services use:
// UserLocaleName() (platform/linux/locale/locale_names.h).

// $TZDIR when set and non-empty, else /usr/share/zoneinfo.
std::string ZoneDirectory();

}  // namespace tellux::zoneinfo
