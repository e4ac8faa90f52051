#pragma once
// What tests read of a TzCatalogue beyond its interface.

#include <string>
#include <vector>

#include "platform/linux/zones/catalogue.h"

namespace tellux::zoneinfo {

struct TzCatalogueProbe {
  // Windows ids that were left out because their zone file was missing or
  // broken, sorted.
  static const std::vector<std::string>& Unserved(const TzCatalogue& catalogue) {
    return catalogue.unserved_;
  }
};

}  // namespace tellux::zoneinfo
