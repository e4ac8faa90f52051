#include "platform/linux/zones/catalogue.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <utility>

#include "platform/linux/tzdb/posix_tz_rule.h"
#include "platform/linux/tzdb/tzif_file.h"
#include "platform/linux/tzdb/windows_record_name.h"
#include "platform/linux/zones/environment.h"
#include "platform/linux/zones/windows_zone_map.h"
#include "platform/text.h"

namespace tellux::zoneinfo {
namespace {

struct ZoneFile {
  std::string name;
  TzifFile file;
};

// The golden zone's file; when the database lacks that name (ICU may use an
// older spelling, "Asia/Calcutta"), another name of the same zone. A file
// that is there but broken is not replaced: the zone is left out.
std::optional<ZoneFile> ReadZone(const std::string& directory, const std::string& golden) {
  std::optional<TzifFile> file = ReadTzifFile(directory + "/" + golden);
  if (file) return ZoneFile{golden, std::move(*file)};
  if (ReadSmallFile(directory + "/" + golden)) return std::nullopt;
  for (const std::string& other : EquivalentZoneIds(golden)) {
    if (other == golden) continue;
    file = ReadTzifFile(directory + "/" + other);
    if (file) return ZoneFile{other, std::move(*file)};
  }
  return std::nullopt;
}

// A daylight name made from a Windows id, as Windows names its own:
// "AUS Eastern Standard Time" gives "AUS Eastern Daylight Time".
std::string DaylightId(const std::string& windowsId) {
  std::string name = windowsId;
  if (const std::size_t at = name.find("Standard"); at != std::string::npos) {
    name.replace(at, 8, "Daylight");
  }
  return FitRecordName(name);
}

// Makes every Std unique: a name ICU gives to several zones (or one longer
// than the record holds) gives way to the zone's Windows id, until no two
// are equal. Windows ids are unique, so this ends.
void MakeStandardNamesUnique(std::vector<TzCatalogueEntry>& entries) {
  std::vector<bool> replaced(entries.size(), false);
  auto replace = [&](std::size_t i) {
    entries[i].standardName = FitRecordName(entries[i].windowsId);
    replaced[i] = true;
  };
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (Utf16Length(entries[i].standardName) > kRecordNameUnits) replace(i);
  }
  for (bool changed = true; changed;) {
    changed = false;
    std::map<std::string, int> uses;
    for (const TzCatalogueEntry& e : entries) ++uses[e.standardName];
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (!replaced[i] && uses[entries[i].standardName] > 1) {
        replace(i);
        changed = true;
      }
    }
  }
  // Two Windows ids alike in their first 31 units: number the later ones.
  std::map<std::string, int> uses;
  for (TzCatalogueEntry& e : entries) {
    const int n = uses[e.standardName]++;
    if (n > 0) {
      e.standardName = FitRecordName(e.standardName.substr(0, 24)) + "~" + std::to_string(n);
    }
  }
}

// Two zones with the same place name are told apart by their Windows ids.
void MakeDisplayNamesUnique(std::vector<TzCatalogueEntry>& entries) {
  std::map<std::string, int> uses;
  for (const TzCatalogueEntry& e : entries) ++uses[e.display];
  for (TzCatalogueEntry& e : entries) {
    if (uses[e.display] > 1) e.display += " [" + e.windowsId + "]";
  }
}

}  // namespace

bool WindowsIdLess(std::string_view a, std::string_view b) { return text::LessNoCase(a, b); }

bool WindowsIdEqual(std::string_view a, std::string_view b) { return text::EqualNoCase(a, b); }

std::string UtcOffsetPrefix(std::int32_t biasMinutes) {
  const std::int32_t east = -biasMinutes;
  const std::int32_t magnitude = east < 0 ? -east : east;
  const std::int32_t h = magnitude / 60;
  const std::int32_t m = magnitude % 60;
  return std::string("(UTC") + (east < 0 ? "-" : "+") + (h < 10 ? "0" : "") + std::to_string(h) +
         (m < 10 ? ":0" : ":") + std::to_string(m) + ") ";
}

std::uint64_t ZoneFileHash(std::string_view bytes) {
  // FNV-1a, eight bytes at a step: the catalogue hashes every zone file.
  constexpr std::uint64_t kPrime = 1099511628211ull;
  std::uint64_t hash = 14695981039346656037ull;
  std::size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + at, 8);
    hash = (hash ^ word) * kPrime;
  }
  for (; at < bytes.size(); ++at) hash = (hash ^ static_cast<unsigned char>(bytes[at])) * kPrime;
  return hash;
}

TzCatalogue::TzCatalogue(std::string localeName, std::string zoneDirectory)
    : localeName_(std::move(localeName)),
      zoneDirectory_(std::move(zoneDirectory)),
      names_(std::make_unique<ZoneNames>(localeName_)) {
  const std::vector<WindowsZone> zones = WindowsZones();
  // The catalogue is kept all day: no room to spare in it.
  entries_.reserve(zones.size());
  for (const WindowsZone& zone : zones) {
    std::optional<ZoneFile> file = ReadZone(zoneDirectory_, zone.goldenZone);
    std::optional<PosixTzRule> parsed;
    if (file) parsed = ParsePosixTz(file->file.rule);
    if (!parsed) {
      unserved_.push_back(zone.windowsId);
      continue;
    }
    const PosixTzRule rule = WithDaylightAhead(*parsed);

    TzCatalogueEntry e;
    e.windowsId = zone.windowsId;
    e.zoneName = file->name;
    e.tzi = TziFromRule(rule);
    e.tziBytes = TziBytes(e.tzi);
    if (const auto transitions = TzifTransitions(file->file.bytes)) {
      e.yearRecords = YearRecords(*transitions, e.tzi);
      e.yearRecords.shrink_to_fit();
    }
    e.fileHash = ZoneFileHash(file->file.bytes);
    e.fileSize = file->file.bytes.size();
    // ICU's names go with its own spelling of the zone, the golden one.
    e.display = UtcOffsetPrefix(e.tzi.Bias) + names_->Place(zone.goldenZone, -rule.standardOffset);
    e.standardName = names_->LongStandard(zone.goldenZone, -rule.standardOffset);
    if (rule.hasDaylight) {
      e.daylightName = names_->LongDaylight(zone.goldenZone, -rule.daylightOffset);
      if (Utf16Length(e.daylightName) > kRecordNameUnits) e.daylightName = DaylightId(e.windowsId);
    }
    entries_.push_back(std::move(e));
  }
  MakeStandardNamesUnique(entries_);
  // A zone without daylight saving time has no daylight name of its own in
  // ICU; it takes its (final) standard name.
  for (TzCatalogueEntry& e : entries_) {
    if (e.tzi.DaylightDate.wMonth == 0) e.daylightName = e.standardName;
  }
  MakeDisplayNamesUnique(entries_);
  std::sort(entries_.begin(), entries_.end(), [](const TzCatalogueEntry& a, const TzCatalogueEntry& b) {
    return WindowsIdLess(a.windowsId, b.windowsId);
  });
  std::sort(unserved_.begin(), unserved_.end(), WindowsIdLess);
}

std::unique_ptr<TzCatalogue> TzCatalogue::FromEnvironment() {
  return std::make_unique<TzCatalogue>(UserLocaleName(), zoneinfo::ZoneDirectory());
}

const TzCatalogueEntry* TzCatalogue::Find(std::string_view windowsId) const {
  const auto it = std::lower_bound(
      entries_.begin(), entries_.end(), windowsId,
      [](const TzCatalogueEntry& e, std::string_view id) { return WindowsIdLess(e.windowsId, id); });
  return it != entries_.end() && WindowsIdEqual(it->windowsId, windowsId) ? &*it : nullptr;
}

}  // namespace tellux::zoneinfo
