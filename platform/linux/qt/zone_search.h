#pragma once
// The zone search a Qt view uses when it is given none (the GUI tests): case
// and accents are folded with Qt's Unicode data (NFD, marks dropped, case
// folded), the same in every language, and no zone has places. The program
// gives its view the ICU search (icu_zone_search.h) instead. Never fails:
// an empty typed text begins nothing.

#include <string>
#include <string_view>
#include <vector>

#include "platform/zone_search.h"

namespace tellux {

class QtZoneSearch final : public ZoneSearch {
 public:
  bool BeginsWith(std::string_view text, std::string_view typed) const override;
  std::vector<std::string> PlacesOf(std::string_view keyName) const override;
};

}  // namespace tellux
