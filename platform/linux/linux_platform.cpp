#include "platform/linux/linux_platform.h"

#include <ctime>
#include <utility>

#include "platform/linux/locale/date_patterns.h"
#include "platform/linux/locale/icu_date_services.h"
#include "platform/linux/locale/icu_locale.h"
#include "platform/linux/locale/locale_names.h"
#include "platform/linux/locale/memo_date_services.h"
#include "platform/linux/locale/memo_locale.h"
#include "platform/linux/zones/catalogue.h"
#include "platform/linux/zones/catalogue_cache.h"
#include "platform/linux/zones/emulated_registry.h"
#include "platform/linux/zones/environment.h"
#include "platform/linux/zones/machine_zone.h"

namespace tellux {

struct LinuxPlatform::ZoneServices {
  ZoneServices(const std::string& userLocale, const std::string& zoneDirectory,
               const std::filesystem::path& cacheFile)
      : ZoneServices(userLocale,
                     zoneinfo::LoadOrBuildCatalogue(
                         cacheFile,
                         {zoneinfo::CatalogueSoftware(), userLocale, zoneDirectory,
                          std::time(nullptr)},
                         [&] { return DeriveDatePatterns(userLocale); })) {}

  ZoneServices(const std::string& userLocale, zoneinfo::StoredStart start)
      : catalogue(std::move(start.catalogue)),
        registry(*catalogue),
        locale(userLocale, SystemLocaleName(userLocale)),
        dates(userLocale, start.datePatterns),
        localeMemo(locale),
        datesMemo(dates) {}

  std::unique_ptr<const zoneinfo::TzCatalogue> catalogue;
  zoneinfo::TzRegistry registry;
  IcuLocale locale;
  IcuDateServices dates;
  // The locale is read once, at start-up, so the memos never need clearing.
  MemoLocale localeMemo;
  MemoDateServices datesMemo;
};

LinuxPlatform::LinuxPlatform()
    : zones_(std::make_unique<ZoneServices>(UserLocaleName(), zoneinfo::ZoneDirectory(),
                                            zoneinfo::CatalogueCacheFile())),
      // The machine's zone is looked up when asked for, so a change of TZ or
      // /etc/localtime since start-up is seen, as on Windows.
      clock_([this](TIME_ZONE_INFORMATION& info) {
        zoneinfo::FillMachineZone(*zones_->catalogue,
                                  zoneinfo::MachineZoneSourcesFromEnvironment(), info);
      }),
      zoneSearch_(UserLocaleName()) {}

LinuxPlatform::~LinuxPlatform() = default;

Services LinuxPlatform::services() {
  ZoneServices& zones = *zones_;
  return {zones.registry, clock_, zones.localeMemo, zones.datesMemo, settings_, messages_, end_};
}

}  // namespace tellux
