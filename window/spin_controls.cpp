// The spin controls step a panel's hour, wrapping within the day; writing the
// box reads the time back as if typed, so the other panels follow.

#include "window/frm_time.h"
#include "zonetime/calc_time.h"

namespace tellux {

void frmTime::StepHour(std::int16_t Index, int delta) {
  if (Index < 0 || Index > 3) return;
  SYSTEMTIME& record = PanelTime[static_cast<std::size_t>(Index)];
  int h = record.wHour + delta;
  if (h < 0) h = 23;
  if (h > 23) h = 0;
  record.wHour = static_cast<std::uint16_t>(h);
  PanelBox(Index).SetText(RemoveSeconds(zonetime::FormatSystemTime(services_.locale, record)));
}

void frmTime::UpDown_DownClick(std::int16_t Index) { StepHour(Index, -1); }

void frmTime::UpDown_UpClick(std::int16_t Index) { StepHour(Index, +1); }

}  // namespace tellux
