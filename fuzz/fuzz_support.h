#pragma once
// Shared by the window's fuzz harnesses: a window on the test doubles, run
// as the user runs it.

#include <memory>

#include "fuzz/fuzz_check.h"
#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"
#include "window/frm_time.h"

namespace tellux::fuzz {

// Raises event as the view does; the program must never end.
template <class Event>
void AsUser(frmTime& form, Event&& event) {
  try {
    form.RaiseUserEvent(event);
  } catch (const testing::ProgramEnded&) {
    Broken("the program ended");
  }
}

inline bool RecordsInRange(const frmTime& form) {
  for (const SYSTEMTIME& t : form.PanelTime) {
    if (t.wHour > 23 || t.wMinute > 59) return false;
  }
  return true;
}

}  // namespace tellux::fuzz
