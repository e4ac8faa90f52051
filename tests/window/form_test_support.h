#pragma once
// A window on the test doubles, with the seven-zone catalogue, a fixed
// clock in mid-June 2003 and an English (United States) locale.

#include <memory>

#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"
#include "window/frm_time.h"

namespace tellux::testing {

class FormTest : public ::testing::Test {
 protected:
  FormTest() {
    AddSevenZones(t.registry);
    t.clock.local = MakeTime(2003, 6, 15, 12, 0, 0);
    t.clock.utc = MakeTime(2003, 6, 15, 14, 35, 20);
    t.clock.SetZone(-60, "W. Europe Standard Time", "W. Europe Daylight Time");
  }

  // A fresh window, as the program creates it.
  frmTime& NewForm() {
    form = std::make_unique<frmTime>(t.services());
    return *form;
  }
  frmTime& Start() {
    NewForm().Form_Load();
    return *form;
  }
  // Closes the window; closing always ends the program.
  void Close() {
    std::int16_t cancel = 0;
    EXPECT_THROW(form->Form_Unload(cancel), ProgramEnded);
  }

  TestServices t;
  std::unique_ptr<frmTime> form;
};

}  // namespace tellux::testing
