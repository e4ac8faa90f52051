#pragma once
// Zone search on Linux, from ICU's collation and zone name data. Letters
// compare at the primary strength of collation, so case, accents and width
// do not count: in the user's language ("ı" finds "Iğdır" in Turkish) and
// also in none in particular, so that a language that makes "ü" a kind of
// "y" (Swedish) or "aa" one letter (Danish) still finds "Zürich" by "zur"
// and "Aarhus" by "a". A catalogue zone's places are the cities of every tz
// database zone its Windows id stands for, in the user's language and in
// English from the zone's name ("Australia/Melbourne": "Melbourne").
//
// Nothing is loaded until first asked: the window is up long before anyone
// types into a list. For the GUI thread only (the answers are remembered
// without locks). Failure value: without ICU's collation data letters
// compare by case folding alone; a zone ICU has no names for has its English
// city only, and an unknown key name no places.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/zone_search.h"

namespace tellux {

class IcuZoneSearch final : public ZoneSearch {
 public:
  // localeName: the user's ICU locale name ("de_DE"); an unusable one means
  // ICU's root locale.
  explicit IcuZoneSearch(std::string localeName);
  ~IcuZoneSearch() override;

  bool BeginsWith(std::string_view text, std::string_view typed) const override;
  std::vector<std::string> PlacesOf(std::string_view keyName) const override;

 private:
  struct Collation;
  struct Names;

  std::string localeName_;
  mutable std::unique_ptr<Collation> collation_;  // made at the first BeginsWith
  mutable std::unique_ptr<Names> names_;          // made at the first PlacesOf
};

}  // namespace tellux
