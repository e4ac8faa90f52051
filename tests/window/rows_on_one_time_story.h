#pragma once
// The story both native windows tell in a locale: leaving each box and
// stepping an hour round the clock keep the four rows on one time. Window
// is a test fixture with Minute(panel) (the minute of the day a row shows),
// Leave, ClickUp, ClickDown and ExpectRows(panel, minuteOfDay).

namespace tellux::testing {

template <class Window>
void LeaveEachBoxAndStepAroundTheClock(Window& w) {
  for (int i = 0; i < 4; ++i) {
    const int seeded = w.Minute(i);
    w.Leave(i);
    w.ExpectRows(i, seeded);
  }
  const int start = w.Minute(1);
  for (int step = 1; step <= 24; ++step) {
    w.ClickUp(1);
    w.ExpectRows(1, (start + step * 60) % 1440);
  }
  w.ClickDown(1);
  w.ExpectRows(1, (start + 23 * 60) % 1440);
  w.Leave(1);
  w.ExpectRows(1, (start + 23 * 60) % 1440);
}

}  // namespace tellux::testing
