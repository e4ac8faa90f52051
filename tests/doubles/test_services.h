#pragma once
// Every test double in one place, handed to the logic as its Services.

#include "platform/services.h"
#include "tests/doubles/fake_clock.h"
#include "tests/doubles/fake_registry.h"
#include "tests/doubles/memory_settings.h"
#include "tests/doubles/recording_message_box.h"
#include "tests/doubles/scripted_locale.h"
#include "tests/doubles/throwing_program_end.h"

namespace tellux::testing {

struct TestServices {
  explicit TestServices(LocaleScript script = EnglishUs()) : locale(script), dates(script) {}

  FakeRegistry registry;
  FakeClock clock;
  ScriptedLocale locale;
  ScriptedDateServices dates;
  MemorySettings settings;
  RecordingMessageBox messages;
  ThrowingProgramEnd end;

  Services services() { return {registry, clock, locale, dates, settings, messages, end}; }
  // Switches the user locale of both the locale calls and the general date form.
  void SetUserLocale(const LocaleScript& script) {
    locale.user = script;
    dates.user = script;
  }
};

}  // namespace tellux::testing
