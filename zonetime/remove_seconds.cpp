#include "zonetime/remove_seconds.h"

#include "platform/checked16.h"
#include "platform/text.h"

namespace tellux::zonetime {

std::string RemoveSeconds(DateServices& dates, const std::string& TimeSeparator,
                          std::int16_t& CharPos, std::string_view Text) {
  const auto date = dates.ReadGeneralDate(Text);
  const std::string t = date ? dates.FormatGeneralDate(*date) : std::string(Text);
  CharPos = checked16::Narrow(text::InStr(1, t, TimeSeparator));
  CharPos = checked16::Narrow(text::InStr(CharPos + 1LL, t, TimeSeparator));
  if (CharPos == 0) return t;
  return text::Left(t, CharPos - 1LL) + text::Mid(t, CharPos + 3LL);
}

}  // namespace tellux::zonetime
