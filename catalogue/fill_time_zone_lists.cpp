#include "catalogue/fill_time_zone_lists.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "catalogue/registry_values.h"
#include "platform/checked16.h"
#include "platform/error_trap.h"
#include "platform/text.h"

namespace tellux::catalogue {
namespace {

// Reorders entries 1..N by Bias, ascending; zones with equal Bias keep the
// order the registry listed them in.
void SortByBias(ZoneCatalogue& c) {
  const int n = c.Count();
  std::vector<std::size_t> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), std::size_t{1});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return c.ZoneRule[a].Bias < c.ZoneRule[b].Bias;
  });
  ZoneCatalogue sorted;
  sorted.Resize(n);
  for (std::size_t k = 0; k < order.size(); ++k) {
    const std::size_t from = order[k];
    sorted.KeyName[k + 1] = std::move(c.KeyName[from]);
    sorted.DisplayName[k + 1] = std::move(c.DisplayName[from]);
    sorted.StdName[k + 1] = std::move(c.StdName[from]);
    sorted.DltName[k + 1] = std::move(c.DltName[from]);
    sorted.ZoneRule[k + 1] = c.ZoneRule[from];
  }
  c = std::move(sorted);
}

}  // namespace

void FillTimeZoneLists(const Services& services, CatalogueTargets& t) {
  t.OsVersion.dwOSVersionInfoSize = 148;
  services.registry.GetVersionExA(t.OsVersion);

  RegKey catalogueKey = 0;
  if (services.registry.RegOpenKeyExA(kHkeyLocalMachine, CataloguePath(t.OsVersion), 0, kKeyRead,
                                      catalogueKey) != kErrorSuccess) {
    services.messages.Show("Can't find Timezone information in registry", kAppTitle);
    return;
  }

  std::int16_t n = 0;
  for (;;) {
    std::string name(2000, '\0');
    std::string className(2000, '\0');
    std::uint32_t nameLength = 2000;
    std::uint32_t classLength = 2000;
    FILETIME lastWrite;
    if (services.registry.RegEnumKeyExA(catalogueKey, static_cast<std::uint32_t>(n), name,
                                        nameLength, className, classLength,
                                        lastWrite) != kErrorSuccess) {
      break;
    }
    n = checked16::Narrow(n + 1LL);
    // The catalogue holds every zone the system lists, however many.
    t.catalogue.Resize(n);
    GetRegistryValues(services, t.catalogue, t.OsVersion, text::StripTerminator(name), n);
  }
  services.registry.RegCloseKey(catalogueKey);

  SortByBias(t.catalogue);

  const ZoneCatalogue& c = t.catalogue;
  for (int j = 1; j <= n; ++j) {
    const auto k = static_cast<std::size_t>(j);
    for (ComboBox* list : t.ComboTZ) list->AddItem(c.DisplayName[k]);
    if (t.txtTZName.Text() == c.StdName[k]) t.ComboTZ[0]->SetListIndex(j - 1);
    if (c.KeyName[k] == "Pacific") t.ComboTZ[1]->SetListIndex(j - 1);
    if (c.KeyName[k] == "Central") t.ComboTZ[2]->SetListIndex(j - 1);
    if (c.KeyName[k] == "Eastern") t.ComboTZ[3]->SetListIndex(j - 1);
    if (c.ZoneRule[k].Bias == 0) t.ZeroBiasZone = static_cast<std::int16_t>(j);
  }
  if (n > 0) {
    for (ComboBox* list : t.ComboTZ) {
      if (list->ListIndex() == -1) list->SetListIndex(0);
    }
  }
}

}  // namespace tellux::catalogue
