#pragma once
// Shared by the fuzz harnesses: a started window on the test doubles and the
// way a harness reports a broken invariant (abort, so libFuzzer keeps the
// input).

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"
#include "window/frm_time.h"

namespace tellux::fuzz {

[[noreturn]] inline void Broken(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

inline void Check(bool ok, const char* what) {
  if (!ok) Broken(what);
}

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
