#pragma once
// What the process environment says about zones: the user's language for
// zone names and the folder of the tz database. Never fails; each has a
// default.

#include <string>
#include <string_view>

namespace tellux::zoneinfo {

inline constexpr const char* kDefaultZoneDirectory = "/usr/share/zoneinfo";

// The ICU locale name for a POSIX locale setting: "de_DE.UTF-8@euro" gives
// "de_DE"; "C", "POSIX" and empty give "en_US".
std::string IcuLocaleName(std::string_view posixLocale);

// The user's language for times: the first non-empty of LC_ALL, LC_TIME and
// LANG, as an ICU locale name.
std::string UserLocaleName();

// $TZDIR when set and non-empty, else /usr/share/zoneinfo.
std::string ZoneDirectory();

}  // namespace tellux::zoneinfo
