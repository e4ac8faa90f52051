#pragma once
// Everything the logic reaches the world through, handed to the window once.

#include "platform/clock.h"
#include "platform/date_services.h"
#include "platform/locale.h"
#include "platform/message_box.h"
#include "platform/program_end.h"
#include "platform/registry.h"
#include "platform/settings_store.h"

namespace tellux {

struct Services {
  Registry& registry;
  Clock& clock;
  Locale& locale;
  DateServices& dates;
  SettingsStore& settings;
  MessageBoxService& messages;
  ProgramEnd& end;
};

}  // namespace tellux
