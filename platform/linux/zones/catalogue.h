#pragma once
// The zone catalogue Windows keeps in its registry, built from the tz
// database on this machine: one entry per Windows zone id that ICU's CLDR
// mapping knows, with the rule of its golden zone read from the compiled
// zone files (so the rules are as current as the system's tzdata package)
// and names from ICU in the user's language. Built once, at construction;
// read-only afterwards.
//
// A zone whose file is missing or broken is left out (Unserved() says
// which); the construction itself never fails and never throws for bad data.
//
// A catalogue can also be made again from the contents of one built before
// (catalogue_cache.h keeps them between runs); its names are then made at
// their first use.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/tzdb/windows_tzi_record.h"
#include "platform/linux/tzdb/year_records.h"
#include "platform/linux/zones/zone_names.h"

namespace tellux::zoneinfo {

struct TzCatalogueEntry {
  std::string windowsId;     // the subkey name: "Pacific Standard Time"
  std::string zoneName;      // the zone file read: "America/Los_Angeles"
  std::string display;       // "Display": "(UTC-08:00) Pacific Time (Los Angeles)", unique
  // "Std": unique, at most 31 UTF-16 units; ICU's long standard name, or the
  // Windows id when ICU gives that name to several zones or it is too long.
  std::string standardName;
  // "Dlt": at most 31 UTF-16 units; ICU's daylight name, or when that is too
  // long the Windows id with "Daylight" for "Standard"; a zone without
  // daylight saving time repeats its Std.
  std::string daylightName;
  TziRecord tzi;
  std::string tziBytes;      // "TZI": tzi as 44 bytes
  // "Dynamic DST": the years whose transitions in the zone file give another
  // rule than tzi, each with its own record, by year ascending.
  std::vector<YearRecord> yearRecords;
  std::uint64_t fileHash = 0;  // of the zone file, to recognise a copy of it
  std::size_t fileSize = 0;
};

// What a zone file was when the catalogue looked for it, by stat(2): a file
// changed, replaced, added or removed since then stamps otherwise.
struct ZoneFileStamp {
  std::string name;  // below the zone folder: "Europe/Berlin"
  bool present = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  friend bool operator==(const ZoneFileStamp&, const ZoneFileStamp&) = default;
};

// The stamp of directory/name now; absent when stat fails.
ZoneFileStamp StampZoneFile(const std::string& directory, const std::string& name);

// What a built catalogue holds beside its locale and folder.
struct TzCatalogueContents {
  std::vector<TzCatalogueEntry> entries;    // sorted as Entries() are
  std::vector<std::string> unserved;        // sorted as Unserved() is
  std::vector<ZoneFileStamp> consulted;     // as Consulted() are
};

class TzCatalogue {
 public:
  // localeName: ICU locale of the names ("de_DE"); zoneDirectory: the root
  // of the compiled tz database ("/usr/share/zoneinfo").
  TzCatalogue(std::string localeName, std::string zoneDirectory);
  // The catalogue that was built with these contents; the caller vouches
  // that the entries are sorted by Windows id, as Find needs.
  TzCatalogue(std::string localeName, std::string zoneDirectory, TzCatalogueContents contents);

  // The catalogue for this process: UserLocaleName() and ZoneDirectory().
  static std::unique_ptr<TzCatalogue> FromEnvironment();

  // All entries, sorted by Windows id without regard to case.
  const std::vector<TzCatalogueEntry>& Entries() const { return entries_; }

  // The entry of a Windows id, compared without regard to case; null if none.
  const TzCatalogueEntry* Find(std::string_view windowsId) const;

  // Windows ids left out because their zone file was missing or broken,
  // sorted.
  const std::vector<std::string>& Unserved() const { return unserved_; }

  // Every zone file the build read or looked for, stamped before it was
  // read, in the order read.
  const std::vector<ZoneFileStamp>& Consulted() const { return consulted_; }

  const std::string& LocaleName() const { return localeName_; }
  const std::string& ZoneDirectory() const { return zoneDirectory_; }
  // Safe to call from any thread.
  const ZoneNames& Names() const;

 private:
  std::string localeName_;
  std::string zoneDirectory_;
  mutable std::once_flag namesMade_;
  mutable std::unique_ptr<ZoneNames> names_;
  std::vector<TzCatalogueEntry> entries_;
  std::vector<std::string> unserved_;
  std::vector<ZoneFileStamp> consulted_;
};

// The text of "(UTC-08:00) " for a Bias of 480 minutes; "(UTC+00:00) " for 0.
std::string UtcOffsetPrefix(std::int32_t biasMinutes);

// A 64-bit FNV-1a hash of bytes (eight at a time): a cheap first test of
// whether two zone files are equal.
std::uint64_t ZoneFileHash(std::string_view bytes);

// Case-insensitive ASCII ordering and equality of Windows ids.
bool WindowsIdLess(std::string_view a, std::string_view b);
bool WindowsIdEqual(std::string_view a, std::string_view b);

}  // namespace tellux::zoneinfo
