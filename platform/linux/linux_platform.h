#pragma once
// Every real service of the program on Linux, built once at start-up and
// owned here: the zone catalogue from the tz database seen as the registry,
// the kernel clock with the machine's zone, ICU locale texts and date forms
// for the user's locale (each behind a memo of its answers, so a time asked
// for again, as by two panels on one zone, is not formatted again), the INI
// settings file, the Qt message box and the immediate process exit. Needs a
// QApplication for the message box. Nothing here fails: each service has its
// own fallback.

#include <memory>

#include "platform/linux/exit_program_end.h"
#include "platform/linux/icu_date_services.h"
#include "platform/linux/icu_locale.h"
#include "platform/linux/ini_settings.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/memo_date_services.h"
#include "platform/linux/memo_locale.h"
#include "platform/linux/qt_message_box.h"
#include "platform/linux/tz_catalogue.h"
#include "platform/linux/tz_registry.h"
#include "platform/services.h"

namespace tellux {

class LinuxPlatform {
 public:
  // Reads the locale, zone folder and settings folder from the environment.
  LinuxPlatform();
  LinuxPlatform(const LinuxPlatform&) = delete;
  LinuxPlatform& operator=(const LinuxPlatform&) = delete;

  // Valid while this platform lives.
  Services services();

 private:
  std::unique_ptr<zoneinfo::TzCatalogue> catalogue_;
  zoneinfo::TzRegistry registry_;
  LinuxClock clock_;
  std::unique_ptr<IcuLocale> locale_;
  IcuDateServices dates_;
  // The locale is read once, at start-up, so the memos never need clearing.
  MemoLocale localeMemo_;
  MemoDateServices datesMemo_;
  IniSettings settings_;
  QtMessageBox messages_;
  ExitProgramEnd end_;
};

}  // namespace tellux
