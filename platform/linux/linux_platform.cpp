#include "platform/linux/linux_platform.h"

#include <unicode/locid.h>
#include <unicode/putil.h>
#include <unicode/timezone.h>

#include "platform/linux/locale/icu_date_services.h"
#include "platform/linux/locale/icu_locale.h"
#include "platform/linux/locale/locale_names.h"
#include "platform/linux/zones/catalogue.h"
#include "platform/linux/zones/emulated_registry.h"
#include "platform/linux/zones/environment.h"
#include "platform/linux/zones/machine_zone.h"

namespace tellux {
namespace {

// ICU reads the environment (ICU_DATA, LC_*, TZ) the first time it needs its
// data folder, default locale or the machine's zone. Those first reads
// happen here, before the build thread starts: the toolkit changes the
// environment (it removes its start-up notice ids when it starts), and a
// read racing a change can miss a variable.
void ReadIcuEnvironment() {
  (void)u_getDataDirectory();
  (void)icu::Locale::getDefault();
  delete icu::TimeZone::createDefault();
}

}  // namespace

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

// The zone services as the window holds them from its creation: each call
// goes to the built service, waiting for the build the first time, so the
// window can be made while the build runs.
struct LinuxPlatform::Awaited {
  class ToRegistry final : public Registry {
   public:
    explicit ToRegistry(LinuxPlatform& p) : p_(p) {}
    bool GetVersionExA(OSVERSIONINFO& info) override { return Built().GetVersionExA(info); }
    long RegOpenKeyExA(RegKey key, const std::string& subKey, std::uint32_t options,
                       std::uint32_t samDesired, RegKey& result) override {
      return Built().RegOpenKeyExA(key, subKey, options, samDesired, result);
    }
    long RegEnumKeyExA(RegKey key, std::uint32_t index, std::string& name,
                       std::uint32_t& nameLength, std::string& className,
                       std::uint32_t& classLength, FILETIME& lastWriteTime) override {
      return Built().RegEnumKeyExA(key, index, name, nameLength, className, classLength,
                                   lastWriteTime);
    }
    long RegOpenKeyA(RegKey key, const std::string& subKey, RegKey& result) override {
      return Built().RegOpenKeyA(key, subKey, result);
    }
    long RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t& type,
                          std::string* data, std::uint32_t& dataSize) override {
      return Built().RegQueryValueExA(key, valueName, type, data, dataSize);
    }
    long RegCloseKey(RegKey key) override { return Built().RegCloseKey(key); }

   private:
    Registry& Built() { return p_.Zones().registry; }
    LinuxPlatform& p_;
  };

  class ToLocale final : public Locale {
   public:
    explicit ToLocale(LinuxPlatform& p) : p_(p) {}
    int GetLocaleInfoA(std::uint32_t locale, std::uint32_t lcType, std::string* lcData,
                       int cchData) override {
      return Built().GetLocaleInfoA(locale, lcType, lcData, cchData);
    }
    int GetTimeFormatA(std::uint32_t locale, std::uint32_t flags, const SYSTEMTIME* time,
                       const char* format, std::string* timeStr, int cchTime) override {
      return Built().GetTimeFormatA(locale, flags, time, format, timeStr, cchTime);
    }

   private:
    Locale& Built() { return p_.Zones().locale; }
    LinuxPlatform& p_;
  };

  class ToDates final : public DateServices {
   public:
    explicit ToDates(LinuxPlatform& p) : p_(p) {}
    std::optional<double> ReadGeneralDate(std::string_view text) override {
      return Built().ReadGeneralDate(text);
    }
    std::string FormatGeneralDate(double date) override { return Built().FormatGeneralDate(date); }
    std::string FormatShortTime(double date) override { return Built().FormatShortTime(date); }

   private:
    DateServices& Built() { return p_.Zones().dates; }
    LinuxPlatform& p_;
  };

  explicit Awaited(LinuxPlatform& p) : registry(p), locale(p), dates(p) {}

  ToRegistry registry;
  ToLocale locale;
  ToDates dates;
};

LinuxPlatform::LinuxPlatform()
    // The machine's zone is looked up when asked for, so a change of TZ or
    // /etc/localtime since start-up is seen, as on Windows.
    : clock_([this](TIME_ZONE_INFORMATION& info) {
        zoneinfo::FillMachineZone(Zones().catalogue, zoneinfo::MachineZoneSourcesFromEnvironment(),
                                  info);
      }),
      zoneSearch_(UserLocaleName()) {
  ReadIcuEnvironment();
  awaited_ = std::make_unique<Awaited>(*this);
  building_ = std::async(
      std::launch::async, [userLocale = UserLocaleName(), zoneDirectory = zoneinfo::ZoneDirectory()] {
        return std::make_unique<ZoneServices>(userLocale, zoneDirectory);
      });
}

LinuxPlatform::~LinuxPlatform() = default;

LinuxPlatform::ZoneServices& LinuxPlatform::Zones() {
  if (!zones_) zones_ = building_.get();
  return *zones_;
}

Services LinuxPlatform::services() {
  Awaited& a = *awaited_;
  return {a.registry, clock_, a.locale, a.dates, settings_, messages_, end_};
}

}  // namespace tellux
