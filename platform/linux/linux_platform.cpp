#include "platform/linux/linux_platform.h"

#include "platform/linux/locale/icu_date_services.h"
#include "platform/linux/locale/icu_locale.h"
#include "platform/linux/locale/locale_names.h"
#include "platform/linux/zones/catalogue.h"
#include "platform/linux/zones/emulated_registry.h"
#include "platform/linux/zones/environment.h"
#include "platform/linux/zones/machine_zone.h"

namespace tellux {

struct LinuxPlatform::ZoneServices {
  ZoneServices(const std::string& userLocale, const std::string& zoneDirectory)
      : catalogue(userLocale, zoneDirectory),
        registry(catalogue),
        locale(userLocale, SystemLocaleName(userLocale)),
        dates(userLocale) {}

  const zoneinfo::TzCatalogue catalogue;
  zoneinfo::TzRegistry registry;
  IcuLocale locale;
  IcuDateServices dates;
};

LinuxPlatform::LinuxPlatform()
    : zones_(std::make_unique<ZoneServices>(UserLocaleName(), zoneinfo::ZoneDirectory())),
      // The machine's zone is looked up when asked for, so a change of TZ or
      // /etc/localtime since start-up is seen, as on Windows.
      clock_([this](TIME_ZONE_INFORMATION& info) {
        zoneinfo::FillMachineZone(zones_->catalogue,
                                  zoneinfo::MachineZoneSourcesFromEnvironment(), info);
      }),
      zoneSearch_(UserLocaleName()) {}

LinuxPlatform::~LinuxPlatform() = default;

Services LinuxPlatform::services() {
  ZoneServices& zones = *zones_;
  return {zones.registry, clock_, zones.locale, zones.dates, settings_, messages_, end_};
}

}  // namespace tellux
