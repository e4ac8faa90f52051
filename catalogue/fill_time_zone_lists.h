#pragma once
// The catalogue load: every zone the registry lists, sorted by offset from
// UTC, into the catalogue and the four zone lists, with default selections.

#include <array>
#include <cstdint>

#include "catalogue/zone_catalogue.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "platform/win_types.h"

namespace tellux::catalogue {

// What the load reads and fills, all of it the window's.
struct CatalogueTargets {
  ZoneCatalogue& catalogue;
  OSVERSIONINFO& OsVersion;
  const TextBox& txtTZName;             // the machine zone's standard name
  std::array<ComboBox*, 4> ComboTZ;     // filled in catalogue order
  std::int16_t& ZeroBiasZone;           // set to the last zone with Bias 0
};

// Loads the catalogue once. Each list gets every zone's display text;
// list 0 selects the machine's zone, lists 1..3 "Pacific", "Central" and
// "Eastern", any list left without one its first item. Without the catalogue
// key it shows "Can't find Timezone information in registry" and returns with
// the lists empty. No trap of its own: its own failures reach the caller.
void FillTimeZoneLists(const Services& services, CatalogueTargets& targets);

}  // namespace tellux::catalogue
