// Typing a time into a panel box: the hour and minute are read with the
// user's separator and day-period designators, in the digits of any script,
// and the other panels follow.

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/checked16.h"
#include "platform/read_number.h"
#include "platform/text.h"
#include "window/frm_time.h"

namespace tellux {
namespace {

// A typed hour or minute, rounded; digits of any script count. A number too
// large for 16 bits saturates: it is then out of range like any other and is
// not stored.
std::int16_t ReadPart(std::string_view part) {
  double value;
  try {
    value = Val(WithAsciiDigits(part));
  } catch (const RunTimeError&) {
    return 32767;
  }
  return checked16::RoundSaturated(value);
}

// The hour part as the panels read it. Where it opens with the locale's AM
// or PM designator ("오후 2", "上午6", "ŋdi ga 6"), the number after it, past
// any words the locale puts between the two; the longer designator when
// both match. Any other leading text stays, and reads as hour 0.
std::string HourPart(std::string_view part, const std::string& am, const std::string& pm) {
  std::string ascii = WithAsciiDigits(part);
  std::string_view rest = ascii;
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t' || rest.front() == '\n')) {
    rest.remove_prefix(1);
  }
  std::size_t skip = 0;
  for (const std::string* designator : {&am, &pm}) {
    if (!designator->empty() && rest.starts_with(*designator)) skip = std::max(skip, designator->size());
  }
  if (skip == 0) return ascii;
  rest.remove_prefix(skip);
  const auto number = rest.find_first_of("0123456789+-.");
  return std::string(number == std::string_view::npos ? std::string_view() : rest.substr(number));
}

}  // namespace

void frmTime::Text_Change(std::int16_t N) {
  const std::string where = "Text" + std::to_string(N) + "_Change";
  TrapAndEnd(services_, where, [&] {
    if (Updating != 0) return;
    const std::string t = PanelBox(N).Text();
    CharPos = checked16::Narrow(text::InStr(1, t, TimeSeparator));
    if (CharPos == 0) return;
    CharPos2 = ReadPart(HourPart(text::Left(t, CharPos - 1LL), AmDesignator, PmDesignator));
    // The minute ends at the next separator: where that is ".", the seconds
    // would otherwise read as its fraction ("14.35.45" as minute 36).
    const std::string minutePart = text::Mid(t, CharPos + 1LL);
    const long long secondsAt = text::InStr(1, minutePart, TimeSeparator);
    EditValue = ReadPart(secondsAt == 0 ? minutePart : text::Left(minutePart, secondsAt - 1));
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
