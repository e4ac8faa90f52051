#pragma once
// Zone search on Windows: typed letters compared with the user's locale
// (FindNLSStringEx), ignoring case and accents, so "zur" and "ZUR" both
// begin "Zürich". The registry's display names are all Windows has to find
// a zone by, so no zone has further places.

#include "platform/zone_search.h"

namespace tellux::win32 {

class Win32ZoneSearch final : public ZoneSearch {
 public:
  // False for an empty typed, and where the system cannot compare.
  bool BeginsWith(std::string_view text, std::string_view typed) const override;
  // Always empty.
  std::vector<std::string> PlacesOf(std::string_view keyName) const override;
};

}  // namespace tellux::win32
