#pragma once
// Every Windows service the logic runs on, owned in one place.

#include "platform/services.h"
#include "platform/win32/exit_process_end.h"
#include "platform/win32/ole_date_services.h"
#include "platform/win32/registry_settings.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_registry.h"

namespace tellux::win32 {

struct Win32Services {
  Win32Registry registry;
  Win32Clock clock;
  Win32Locale locale;
  OleDateServices dates;
  RegistrySettings settings;
  Win32MessageBox messages;
  ExitProcessEnd end;

  Services services() { return {registry, clock, locale, dates, settings, messages, end}; }
};

}  // namespace tellux::win32
