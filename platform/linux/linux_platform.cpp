#include "platform/linux/linux_platform.h"

#include <unicode/locid.h>
#include <unicode/putil.h>
#include <unicode/timezone.h>

#include <ctime>
#include <utility>

#include "platform/linux/catalogue_cache.h"
#include "platform/linux/date_patterns.h"
#include "platform/linux/icu_date_services.h"
#include "platform/linux/icu_locale.h"
#include "platform/linux/locale_names.h"
#include "platform/linux/machine_zone.h"
#include "platform/linux/memo_date_services.h"
#include "platform/linux/memo_locale.h"
#include "platform/linux/tz_catalogue.h"
#include "platform/linux/tz_environment.h"
#include "platform/linux/tz_registry.h"

namespace tellux {
namespace {

// ICU reads the environment (ICU_DATA, LC_*, TZ) the first time it needs its
// data folder, default locale or the machine's zone. Those first reads
// happen here, before the build thread starts: the toolkit, starting
// meanwhile, removes its start-up notice ids from the environment, and a
// read racing a removal can miss a variable.
void ReadIcuEnvironment() {
  (void)u_getDataDirectory();
  (void)icu::Locale::getDefault();
  delete icu::TimeZone::createDefault();
}

}  // namespace

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
    // The machine's zone is looked up when asked for, so a change of TZ or
    // /etc/localtime since start-up is seen, as on Windows.
    : clock_([this](TIME_ZONE_INFORMATION& info) {
        zoneinfo::FillMachineZone(*Zones().catalogue, zoneinfo::MachineZoneSourcesFromEnvironment(),
                                  info);
      }) {
  ReadIcuEnvironment();
  building_ = std::async(
      std::launch::async, [userLocale = UserLocaleName(), zoneDirectory = zoneinfo::ZoneDirectory(),
                           cacheFile = zoneinfo::CatalogueCacheFile()] {
        return std::make_unique<ZoneServices>(userLocale, zoneDirectory, cacheFile);
      });
}

LinuxPlatform::~LinuxPlatform() = default;

LinuxPlatform::ZoneServices& LinuxPlatform::Zones() {
  if (!zones_) zones_ = building_.get();
  return *zones_;
}

Services LinuxPlatform::services() {
  ZoneServices& zones = Zones();
  return {zones.registry, clock_, zones.localeMemo, zones.datesMemo, settings_, messages_, end_};
}

}  // namespace tellux
