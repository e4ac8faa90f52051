// Choosing a zone: the panels follow panel 0, and the panel's colour shows
// whether its zone was in daylight saving when the program started.

#include "platform/run_time_error.h"
#include "window/frm_time.h"

namespace tellux {

void frmTime::ComboTZ_Click(std::int16_t Index) {
  UpdateTexts(0);
  if (Index < 0 || Index > 3) return;
  const int n = ComboTZ[static_cast<std::size_t>(Index)].ListIndex() + 1;
  if (n < 0 || n > Catalogue.Count()) throw RunTimeError::SubscriptOutOfRange();
  const bool inDaylight = Catalogue.ZoneRule[static_cast<std::size_t>(n)].InDaylight != 0;
  PanelBox(Index).SetBackColor(inDaylight ? kLightYellow : kColorWindow);
}

}  // namespace tellux
