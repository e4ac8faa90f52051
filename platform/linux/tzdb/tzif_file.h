#pragma once
// Reading one compiled zone file of the tz database (TZif, versions 1 to 4)
// far enough to know the zone's rule for the present and the future: the
// POSIX TZ string at the file's end. Only that rule is wanted, so the
// transition history is checked for consistency but not kept.
//
// Failure value: std::nullopt, for a missing, unreadable, truncated or
// malformed file. Nothing here throws.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/files/small_file.h"

namespace tellux::zoneinfo {

struct TzifFile {
  std::string bytes;  // the whole file, for comparing one zone file with another
  std::string rule;   // a POSIX TZ string, e.g. "PST8PDT,M3.2.0,M11.1.0"
};

// The rule the file's data ends with. Version 2+ files carry it as their
// footer (the 64-bit section is the one read). A version 1 file, or a footer
// left empty, has none; the zone is then taken as fixed at the offset of its
// last standard-time period, written as a POSIX string too.
std::optional<std::string> TzifRule(std::string_view bytes);

// One change of the zone's local time the file lists: at `at` (seconds since
// 1970-01-01 00:00 UTC) its offset from UTC goes from offsetBefore to
// offsetAfter (seconds, east of UTC positive).
struct TzifTransition {
  std::int64_t at = 0;
  std::int32_t offsetBefore = 0;
  std::int32_t offsetAfter = 0;
  friend bool operator==(const TzifTransition&, const TzifTransition&) = default;
};

// Every transition the file lists, in time order: those of the 64-bit
// section of a version 2+ file, of the only section of a version 1 file.
// Before the first one the zone keeps its first time type. nullopt for a
// file that is truncated or malformed or lists its times out of order.
std::optional<std::vector<TzifTransition>> TzifTransitions(std::string_view bytes);

// Reads the regular file at path (at most 64 KiB; zone files are a few KiB)
// and its rule.
std::optional<TzifFile> ReadTzifFile(const std::string& path);

// Zone files are read as every small file of the machine's is
// (files/small_file.h), 64 KiB at most unless a caller says otherwise.
using tellux::ReadSmallFile;

}  // namespace tellux::zoneinfo
