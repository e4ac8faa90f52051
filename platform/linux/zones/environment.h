#pragma once
// What the process environment says about zones: the user's language for
// zone names and the folder of the tz database. Never fails; each has a
// default.

#include <optional>
#include <string>
#include <string_view>

#include "platform/linux/locale/locale_names.h"

namespace tellux::zoneinfo {

inline constexpr const char* kDefaultZoneDirectory = "/usr/share/zoneinfo";

// The user's language for zone names is the one the locale services use:
// UserLocaleName() (platform/linux/locale/locale_names.h).

// $TZDIR when set and non-empty, else /usr/share/zoneinfo.
std::string ZoneDirectory();

// Keeps the C library off a zone file it would wait on. glibc opens the
// file TZ names (in $TZDIR unless absolute), or localtime when TZ is unset,
// with a blocking open, and a FIFO there would hold the program before its
// window shows. Where that file exists but is not a regular file of at most
// kSmallFileLimit bytes, TZ becomes "UTC0": UTC, what glibc itself falls
// back to for a zone it cannot read. To be called first thing in main,
// before anything (the toolkit included) asks for a local time. True when
// TZ was replaced.
bool KeepTheCLibraryOffUnreadableZones(const char* localtime = "/etc/localtime");

// TZ as the user set it (nullopt: unset), whatever the call above put in
// its place: the program reads the user's zone with its own readers, which
// never wait.
std::optional<std::string> UsersTz();

}  // namespace tellux::zoneinfo
