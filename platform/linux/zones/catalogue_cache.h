#pragma once
// The zone catalogue kept between runs, in the user's cache folder. Building
// it asks ICU for every zone's names and works out each zone's year records,
// which is most of the work of the program's start; a start that finds the
// catalogue it would build stored reads that instead. The user's date
// patterns (locale/date_patterns.h), the other costly part, are kept with it.
//
// A stored catalogue serves only while all it was built from holds: this
// program's catalogue format and version, ICU's version and data, the locale,
// the zone folder, every zone file it read or looked for (by stat stamps),
// and its age: at most a week, as ICU gives the names in use on the day they
// are asked for. Anything amiss (a file damaged, cut short, from elsewhere,
// a stamp that differs) means building anew and storing that. Never fails.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/linux/locale/date_patterns.h"
#include "platform/linux/zones/catalogue.h"

namespace tellux::zoneinfo {

// What a catalogue is built from, besides its zone files.
struct CatalogueOrigin {
  std::string software;    // CatalogueSoftware()
  std::string localeName;  // as TzCatalogue takes them
  std::string zoneDirectory;
  std::int64_t now = 0;  // seconds since 1970: the build's time, or the reading's
};

// The catalogue's format, this program's version and ICU's versions of code,
// data and tz data, in one text.
std::string CatalogueSoftware();

// The stored form of catalogue, built from origin, with the date patterns
// of origin's locale (none: ICU could not give them).
std::string CatalogueBytes(const TzCatalogue& catalogue, const CatalogueOrigin& origin,
                           const std::optional<DatePatterns>& datePatterns = std::nullopt);

// The catalogue stored in bytes when it was built from origin (at most a
// week before origin.now, never after it) and every zone file it consulted
// stamps as it did, with the date patterns stored beside it put in
// *datePatterns when that is given; null otherwise.
std::unique_ptr<TzCatalogue> CatalogueFromBytes(
    std::string_view bytes, const CatalogueOrigin& origin,
    std::optional<DatePatterns>* datePatterns = nullptr);

// A start's zone catalogue (never null) and its locale's date patterns.
struct StoredStart {
  std::unique_ptr<TzCatalogue> catalogue;
  std::optional<DatePatterns> datePatterns;
};

// The catalogue and patterns stored in file when they serve origin; else the
// catalogue built now with the patterns derive gives (none without derive),
// both stored in file (when the zone files held still while it was built).
// An empty file name: always built, never stored.
StoredStart LoadOrBuildCatalogue(
    const std::filesystem::path& file, const CatalogueOrigin& origin,
    const std::function<std::optional<DatePatterns>()>& derive = nullptr);

// $XDG_CACHE_HOME/tellux-time/zones.cache, or under ~/.cache; empty when the
// user has no known home.
std::filesystem::path CatalogueCacheFile();

}  // namespace tellux::zoneinfo
