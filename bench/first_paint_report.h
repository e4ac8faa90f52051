#pragma once
// For measuring start-up from outside: when TELLUX_REPORT_FIRST_PAINT=1 is
// set, the first paint event of a top-level window prints
// "first-paint <ns>\n" on stdout, <ns> being CLOCK_MONOTONIC in
// nanoseconds, so a launcher that noted the same clock just before exec can
// take the difference. Without the variable nothing is installed.
// A measuring hook, not part of the window: the program carries it only when
// built with TELLUX_FIRST_PAINT_REPORT, which bench/run turns on for its own
// build; the default build and the packages are without it.

class QWidget;

namespace tellux {

// The watcher is a child of window and goes with it.
void ReportFirstPaintIfAsked(QWidget& window);

}  // namespace tellux
