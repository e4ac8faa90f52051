// The once-a-second tick: the machine's clocks, the four zone clocks, the
// caption, and on the first tick the panels' starting times.

#include "platform/checked16.h"
#include "platform/text.h"
#include "window/frm_time.h"
#include "zonetime/calc_time.h"

namespace tellux {

void frmTime::Timer1_Timer() {
  TrapAndEnd(services_, "Timer1_Timer", [&] {
    SYSTEMTIME now;
    services_.clock.GetLocalTime(now);
    // A clock the locale refuses to format shows nothing rather than blanks.
    txtLocTime.SetText(zonetime::FormatSystemTime(services_.locale, now, '\0'));

    services_.clock.GetSystemTime(now);
    txtSysTime.SetText(zonetime::FormatSystemTime(services_.locale, now, '\0'));

    // A row's text changes once a minute; it is rendered then, not every second.
    std::array<SYSTEMTIME, 4> result{};
    for (std::size_t i = 0; i < 4; ++i) {
      txtTime[i].SetText(CalcTime(now, result[i], ZeroBiasZone, ZoneOf(static_cast<int>(i)), &clockRows_[i]));
    }

    std::size_t sel = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      if (Option1[k].Value()) sel = k;
    }
    const std::string zoneText = ComboTZ[sel].Text();
    CharPos = checked16::Narrow(text::InStr(1, zoneText, ")"));
    SetCaption(txtTime[sel].Text() + " " + text::Mid(zoneText, CharPos + 2LL));

    if (FirstTick != 0) {
      FirstTick = 0;
      Updating = -1;
      PanelTime = result;
      for (int i = 0; i < 4; ++i) {
        const std::string& clock = txtTime[static_cast<std::size_t>(i)].Text();
        const auto date = services_.dates.ReadGeneralDate(clock);
        PanelBox(i).SetText(RemoveSeconds(date ? services_.dates.FormatGeneralDate(*date) : clock));
      }
      Updating = 0;
    }
  });
}

}  // namespace tellux
