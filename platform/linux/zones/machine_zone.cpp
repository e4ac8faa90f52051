#include "platform/linux/zones/machine_zone.h"

#include <limits.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "platform/linux/tzdb/posix_tz_rule.h"
#include "platform/linux/tzdb/tzif_file.h"
#include "platform/linux/tzdb/windows_record_name.h"
#include "platform/linux/tzdb/windows_tzi_record.h"
#include "platform/linux/zones/environment.h"
#include "platform/linux/zones/windows_zone_map.h"

namespace tellux::zoneinfo {
namespace {

namespace fs = std::filesystem;

// What was found out about the machine's zone: its name in the zone folder
// (empty for a bare POSIX rule or a file of unknown name) and its rule.
struct Located {
  std::string name;
  PosixTzRule rule;
};

Located Utc() {
  Located utc;
  utc.name = "Etc/UTC";
  utc.rule.standardAbbreviation = "UTC";
  return utc;
}

bool IsUtcName(std::string_view name) {
  for (std::string_view utc : {"UTC", "Etc/UTC", "UCT", "Etc/UCT", "Universal", "Etc/Universal",
                               "Zulu", "Etc/Zulu"}) {
    if (name == utc) return true;
  }
  return false;
}

std::optional<PosixTzRule> RuleOfBytes(std::string_view bytes) {
  const std::optional<std::string> rule = TzifRule(bytes);
  return rule ? ParsePosixTz(*rule) : std::nullopt;
}

// The zone name of a path into the zone folder: the part after the folder
// itself, or after any ".../zoneinfo/", without the "posix/" or "right/"
// variants' prefix. Empty when the path is not inside such a folder.
std::string NameFromPath(const fs::path& path, const std::string& zoneDirectory) {
  const std::string p = path.lexically_normal().generic_string();
  const std::string dir = fs::path(zoneDirectory).lexically_normal().generic_string();
  std::string name;
  const std::string prefix = dir.empty() || dir.back() == '/' ? dir : dir + "/";
  if (!prefix.empty() && p.compare(0, prefix.size(), prefix) == 0) {
    name = p.substr(prefix.size());
  } else if (const std::size_t at = p.rfind("/zoneinfo/"); at != std::string::npos) {
    name = p.substr(at + 10);
  }
  for (std::string_view variant : {"posix/", "right/"}) {
    if (name.compare(0, variant.size(), variant) == 0) name.erase(0, variant.size());
  }
  return name;
}

// The target of the symbolic link at path; nullopt when it is not one.
// std::filesystem::read_symlink would do, but nothing else the program runs
// touches its part of libstdc++: one call for 64 kB of resident memory.
std::optional<std::string> LinkTarget(const std::string& path) {
  // A target as long as the buffer may be cut short; none that long names a file.
  std::array<char, PATH_MAX> target;
  const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
  if (n < 0 || static_cast<std::size_t>(n) >= target.size()) return std::nullopt;
  return std::string(target.data(), static_cast<std::size_t>(n));
}

// The zone name of a chain of links that starts at path: the first link
// target inside a zone folder names it. Image-based and read-only-root
// systems link /etc/localtime to a writable place that links on into the
// zone folder. Empty when no target of the chain lies in one, path is no
// link, or the chain runs on past the kernel's own limit.
std::string NameOfLinkChain(const std::string& path, const std::string& zoneDirectory) {
  constexpr int kMostLinks = 40;  // SYMLOOP_MAX on Linux
  fs::path at(path);
  for (int hop = 0; hop < kMostLinks; ++hop) {
    const std::optional<std::string> read = LinkTarget(at.string());
    if (!read) return {};
    const fs::path target(*read);
    at = (target.is_absolute() ? target : at.parent_path() / target).lexically_normal();
    std::string name = NameFromPath(at, zoneDirectory);
    if (!name.empty()) return name;
  }
  return {};
}

std::string FirstLine(const std::string& path) {
  const std::optional<std::string> text = ReadSmallFile(path);
  if (!text) return {};
  std::string line = text->substr(0, text->find('\n'));
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\t')) {
    line.pop_back();
  }
  return line;
}

bool FileHolds(const std::string& path, const std::string& bytes) {
  const std::optional<std::string> other = ReadSmallFile(path);
  return other && *other == bytes;
}

// The name of a copy of a zone file: the one /etc/timezone gives if that
// file is indeed the same, else a catalogue zone whose file is.
std::string NameOfCopy(const TzCatalogue& catalogue, const MachineZoneSources& sources,
                       const std::string& bytes) {
  const std::string& dir = catalogue.ZoneDirectory();
  const std::string named = FirstLine(sources.timezonePath);
  if (!named.empty() && FileHolds(dir + "/" + named, bytes)) return named;
  const std::uint64_t hash = ZoneFileHash(bytes);
  for (const TzCatalogueEntry& e : catalogue.Entries()) {
    if (e.fileSize == bytes.size() && e.fileHash == hash && FileHolds(dir + "/" + e.zoneName, bytes)) {
      return e.zoneName;
    }
  }
  return {};
}

std::optional<Located> FromZoneFile(const std::string& path, std::string name) {
  const std::optional<TzifFile> file = ReadTzifFile(path);
  if (!file) return std::nullopt;
  std::optional<PosixTzRule> rule = ParsePosixTz(file->rule);
  if (!rule) return std::nullopt;
  return Located{std::move(name), std::move(*rule)};
}

// As the C library reads TZ: a file name (after an optional ':'), tried in
// the zone folder unless absolute; without the ':' a POSIX rule when no such
// file exists. Empty or unusable: UTC.
Located FromTzVariable(const TzCatalogue& catalogue, std::string_view tz) {
  const bool fileOnly = !tz.empty() && tz.front() == ':';
  if (fileOnly) tz.remove_prefix(1);
  if (tz.empty()) return Utc();
  const std::string value(tz);
  if (value.front() == '/') {
    if (std::optional<Located> z = FromZoneFile(value, NameFromPath(value, catalogue.ZoneDirectory()))) {
      return *z;
    }
  } else if (std::optional<Located> z = FromZoneFile(catalogue.ZoneDirectory() + "/" + value, value)) {
    return *z;
  }
  if (!fileOnly) {
    if (std::optional<PosixTzRule> rule = ParsePosixTz(tz)) return Located{{}, std::move(*rule)};
  }
  return Utc();
}

Located FromLocaltime(const TzCatalogue& catalogue, const MachineZoneSources& sources) {
  const std::optional<std::string> bytes = ReadSmallFile(sources.localtimePath);
  if (!bytes) return Utc();
  std::optional<PosixTzRule> rule = RuleOfBytes(*bytes);
  if (!rule) return Utc();

  // A link names the zone by where it leads; a copy, or a chain of links
  // that ends outside the zone folder, by what it holds.
  std::string name = NameOfLinkChain(sources.localtimePath, catalogue.ZoneDirectory());
  if (name.empty()) name = NameOfCopy(catalogue, sources, *bytes);
  return Located{std::move(name), std::move(*rule)};
}

void CopyRecord(const TziRecord& tzi, TIME_ZONE_INFORMATION& info) {
  info.Bias = tzi.Bias;
  info.StandardBias = tzi.StandardBias;
  info.DaylightBias = tzi.DaylightBias;
  info.StandardDate = tzi.StandardDate;
  info.DaylightDate = tzi.DaylightDate;
}

void CopyEntry(const TzCatalogueEntry& e, TIME_ZONE_INFORMATION& info) {
  CopyRecord(e.tzi, info);
  CopyRecordName(e.standardName, info.StandardName);
  CopyRecordName(e.daylightName, info.DaylightName);
}

bool IsSomeEntrysStd(const TzCatalogue& catalogue, const std::string& name) {
  const std::string fitted = FitRecordName(name);
  for (const TzCatalogueEntry& e : catalogue.Entries()) {
    if (e.standardName == fitted) return true;
  }
  return false;
}

// Names for a zone the catalogue does not have: ICU's when it knows the
// zone, else the rule's abbreviations; never the Std of an entry, so the
// window does not take the zone for that entry.
std::string OwnName(const TzCatalogue& catalogue, const Located& zone, bool daylight,
                    const TziRecord& tzi) {
  const PosixTzRule& rule = zone.rule;
  const bool known = !zone.name.empty() && !CanonicalZoneId(zone.name).empty();
  const std::string& abbreviation =
      daylight ? rule.daylightAbbreviation : rule.standardAbbreviation;
  std::string preferred = abbreviation;
  if (known) {
    preferred = daylight ? catalogue.Names().LongDaylight(zone.name, -rule.daylightOffset)
                         : catalogue.Names().LongStandard(zone.name, -rule.standardOffset);
  }
  if (daylight) return preferred;
  for (const std::string& candidate :
       {preferred, zone.name, abbreviation, UtcOffsetPrefix(tzi.Bias) + abbreviation}) {
    if (!candidate.empty() && !IsSomeEntrysStd(catalogue, candidate)) return candidate;
  }
  return UtcOffsetPrefix(tzi.Bias) + zone.name + abbreviation;
}

}  // namespace

MachineZoneSources MachineZoneSourcesFromEnvironment() {
  MachineZoneSources sources;
  sources.tz = UsersTz();
  return sources;
}

MachineZoneMatch FillMachineZone(const TzCatalogue& catalogue, const MachineZoneSources& sources,
                                 TIME_ZONE_INFORMATION& info) {
  info = TIME_ZONE_INFORMATION{};
  Located zone = sources.tz ? FromTzVariable(catalogue, *sources.tz)
                            : FromLocaltime(catalogue, sources);
  zone.rule = WithDaylightAhead(zone.rule);

  const bool utc = IsUtcName(zone.name) ||
                   (zone.name.empty() && !zone.rule.hasDaylight && zone.rule.standardOffset == 0 &&
                    zone.rule.standardAbbreviation == "UTC");
  const std::string windowsId = utc ? std::string("UTC")
                                    : (zone.name.empty() ? std::string() : WindowsIdOf(zone.name));
  if (const TzCatalogueEntry* e = windowsId.empty() ? nullptr : catalogue.Find(windowsId)) {
    CopyEntry(*e, info);
    return MachineZoneMatch::kWindowsZone;
  }

  const TziRecord tzi = TziFromRule(zone.rule);
  const std::string bytes = TziBytes(tzi);
  for (const TzCatalogueEntry& e : catalogue.Entries()) {
    if (e.tziBytes == bytes) {
      CopyEntry(e, info);
      return MachineZoneMatch::kSameRule;
    }
  }

  CopyRecord(tzi, info);
  const std::string standard = OwnName(catalogue, zone, false, tzi);
  CopyRecordName(standard, info.StandardName);
  CopyRecordName(zone.rule.hasDaylight ? OwnName(catalogue, zone, true, tzi) : standard,
                 info.DaylightName);
  return MachineZoneMatch::kOwnRule;
}

}  // namespace tellux::zoneinfo
