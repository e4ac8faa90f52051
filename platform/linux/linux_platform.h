#pragma once
// Every real service of the program on Linux, built once at start-up and
// owned here: the zone catalogue from the tz database seen as the registry,
// the kernel clock with the machine's zone, ICU locale texts and date forms
// for the user's locale, the INI settings file, the Qt message box and the
// immediate process exit; and the zone search for the window's lists, in the
// user's language. Needs a QApplication for the message box. Nothing here
// fails: each service has its own fallback.

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
  // Reads the locale, zone folder and settings folder from the environment,
  // then builds the zone catalogue and the ICU services.
  LinuxPlatform();
  ~LinuxPlatform();
  LinuxPlatform(const LinuxPlatform&) = delete;
  LinuxPlatform& operator=(const LinuxPlatform&) = delete;

  // Valid while this platform lives.
  Services services();
  // For the window's view; loads nothing until the user types into a list.
  const ZoneSearch& zoneSearch() const { return zoneSearch_; }

 private:
  struct ZoneServices;  // the catalogue, its registry and the ICU services

  std::unique_ptr<ZoneServices> zones_;
  LinuxClock clock_;
  IniSettings settings_;
  QtMessageBox messages_;
  ExitProgramEnd end_;
  IcuZoneSearch zoneSearch_;
};

}  // namespace tellux
