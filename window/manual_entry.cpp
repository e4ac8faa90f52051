// Typing a time into a panel box: the hour and minute are read with the
// user's separator and PM designator and the other panels follow.

#include <string>

#include "platform/checked16.h"
#include "platform/read_number.h"
#include "platform/text.h"
#include "window/frm_time.h"

namespace tellux {
namespace {

// A typed hour or minute, rounded. A number too large for 16 bits saturates:
// it is then out of range like any other and is not stored.
std::int16_t ReadPart(std::string_view part) {
  double value;
  try {
    value = Val(part);
  } catch (const RunTimeError&) {
    return 32767;
  }
  return checked16::RoundSaturated(value);
}

}  // namespace

void frmTime::Text_Change(std::int16_t N) {
  const std::string where = "Text" + std::to_string(N) + "_Change";
  TrapAndEnd(services_, where, [&] {
    if (Updating != 0) return;
    const std::string t = PanelBox(N).Text();
    CharPos = checked16::Narrow(text::InStr(1, t, TimeSeparator));
    if (CharPos == 0) return;
    CharPos2 = ReadPart(text::Left(t, CharPos - 1LL));
    EditValue = ReadPart(text::Mid(t, CharPos + 1LL));
    if (!PmDesignator.empty()) {
      CharPos = checked16::Narrow(text::InStr(1, t, PmDesignator));
      if (CharPos != 0 && CharPos2 < 12) CharPos2 = static_cast<std::int16_t>(CharPos2 + 12);
      if (CharPos == 0 && CharPos2 == 12) CharPos2 = 0;
    }
    SYSTEMTIME& record = PanelTime[static_cast<std::size_t>(N)];
    if (CharPos2 >= 0 && CharPos2 <= 23) record.wHour = static_cast<std::uint16_t>(CharPos2);
    if (EditValue >= 0 && EditValue <= 59) record.wMinute = static_cast<std::uint16_t>(EditValue);
    UpdateTexts(N);
  });
}

void frmTime::Text_LostFocus(std::int16_t N) {
  TextBox& box = PanelBox(N);
  box.SetText(RemoveSeconds(box.Text()));
}

void frmTime::UpdateTexts(std::int16_t Index) {
  TrapAndEnd(services_, "UpdateTexts", [&] {
    Updating = -1;
    if (Index >= 0 && Index <= 3) {
      for (int j = 0; j < 4; ++j) {
        if (j == Index) continue;
        const std::string t = CalcTime(PanelTime[static_cast<std::size_t>(Index)],
                                       PanelTime[static_cast<std::size_t>(j)], ZoneOf(Index), ZoneOf(j));
        PanelBox(j).SetText(t);
      }
    }
    Updating = 0;
  });
}

}  // namespace tellux
