#pragma once
// Every real service of the program on Linux, built once at start-up and
// owned here: the zone catalogue from the tz database seen as the registry,
// the kernel clock with the machine's zone, ICU locale texts and date forms
// for the user's locale, the INI settings file, the Qt message box and the
// immediate process exit; and the zone search for the window's lists, in the
// user's language. Needs a QApplication for the message box. Nothing here
// fails: each service has its own fallback.

#include <future>
#include <memory>

#include "platform/linux/exit_program_end.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/qt/message_box.h"
#include "platform/linux/settings/ini_settings.h"
#include "platform/linux/zones/icu_zone_search.h"
#include "platform/services.h"

namespace tellux {

class LinuxPlatform {
 public:
  // Reads the locale, zone folder and settings folder from the environment
  // on this thread, then builds the zone catalogue and the ICU services on a
  // thread of their own, so the window can be made meanwhile.
  LinuxPlatform();
  // Waits for the build when services() never did.
  ~LinuxPlatform();
  LinuxPlatform(const LinuxPlatform&) = delete;
  LinuxPlatform& operator=(const LinuxPlatform&) = delete;

  // Valid while this platform lives, and at once: the registry, locale and
  // date services wait for the build when first called.
  Services services();
  // For the window's view; loads nothing until the user types into a list.
  const ZoneSearch& zoneSearch() const { return zoneSearch_; }

 private:
  struct ZoneServices;  // the catalogue, its registry and the ICU services
  struct Awaited;       // the window's way to them

  ZoneServices& Zones();

  std::future<std::unique_ptr<ZoneServices>> building_;
  std::unique_ptr<ZoneServices> zones_;
  std::unique_ptr<Awaited> awaited_;
  LinuxClock clock_;
  IniSettings settings_;
  QtMessageBox messages_;
  ExitProgramEnd end_;
  IcuZoneSearch zoneSearch_;
};

}  // namespace tellux
