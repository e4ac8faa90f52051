#include "platform/linux/linux_platform.h"

#include "platform/linux/machine_zone.h"

namespace tellux {

LinuxPlatform::LinuxPlatform()
    : catalogue_(zoneinfo::TzCatalogue::FromEnvironment()),
      registry_(*catalogue_),
      // The machine's zone is looked up when asked for, so a change of TZ or
      // /etc/localtime since start-up is seen, as on Windows.
      clock_([this](TIME_ZONE_INFORMATION& info) {
        zoneinfo::FillMachineZone(*catalogue_, zoneinfo::MachineZoneSourcesFromEnvironment(), info);
      }),
      locale_(MakeIcuLocale()),
      dates_(UserLocaleName()),
      localeMemo_(*locale_),
      datesMemo_(dates_) {}

Services LinuxPlatform::services() {
  return {registry_, clock_, localeMemo_, datesMemo_, settings_, messages_, end_};
}

}  // namespace tellux
