#include "catalogue/zone_catalogue.h"

namespace tellux::catalogue {

void ZoneCatalogue::Resize(int last) {
  const auto size = static_cast<std::size_t>(last) + 1;
  KeyName.resize(size);
  DisplayName.resize(size);
  StdName.resize(size);
  DltName.resize(size);
  ZoneRule.resize(size);
}

}  // namespace tellux::catalogue
