#pragma once
// How typed letters are matched against zone names, as the user's language
// compares them: without case or accents ("zur" finds "Zürich"), with its own
// rules where they differ. Also what else a zone can be found by, beyond its
// display text: the cities of the zones the catalogue entry stands for. Texts
// are UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace tellux {

class ZoneSearch {
 public:
  ZoneSearch() = default;
  ZoneSearch(const ZoneSearch&) = delete;
  ZoneSearch& operator=(const ZoneSearch&) = delete;
  virtual ~ZoneSearch() = default;

  // Whether text, from its first character, reads as typed does, ignoring
  // case and accents. False for an empty typed.
  virtual bool BeginsWith(std::string_view text, std::string_view typed) const = 0;

  // The place names a catalogue zone (by its key name) is also found by, in
  // the user's language; empty where the platform knows none.
  virtual std::vector<std::string> PlacesOf(std::string_view keyName) const = 0;
};

}  // namespace tellux
