#include "zonetime/remove_seconds.h"

#include <cmath>
#include <optional>

#include "platform/checked16.h"
#include "platform/read_number.h"
#include "platform/text.h"

namespace tellux::zonetime {
namespace {

constexpr double kSecondsPerDay = 86400.0;

// The text with its second separator and the two characters after it cut
// out; position is left at that separator, or 0.
std::string Cut(const std::string& t, const std::string& separator, std::int16_t& position) {
  position = checked16::Narrow(text::InStr(1, t, separator));
  position = checked16::Narrow(text::InStr(position + 1LL, t, separator));
  if (position == 0) return t;
  return text::Left(t, position - 1LL) + text::Mid(t, position + 3LL);
}

// Whether cut, made from the time of day time, shows that time's minute and
// not its seconds: it reads back as the minute, and the same time with other
// seconds cuts to the same text.
bool CutShowsMinute(DateServices& dates, const std::string& separator, const std::string& cut,
                    double time) {
  const long long second = std::llround(time * kSecondsPerDay);
  const long long minuteStart = second / 60 * 60;
  const std::optional<double> read = dates.ReadGeneralDate(cut);
  if (!read || std::llround(*read * kSecondsPerDay) != minuteStart) return false;
  const double other = static_cast<double>(minuteStart + (second % 60 + 30) % 60) / kSecondsPerDay;
  std::int16_t ignored = 0;
  return Cut(dates.FormatGeneralDate(other), separator, ignored) == cut;
}

// Whether the two characters the cut took out of t at position are the
// seconds of time, in any script's digits: then the cut is the time without
// its seconds, as in most locales, and nothing need be read back.
bool CutTookTheSeconds(const std::string& t, std::int16_t position, double time) {
  if (position == 0) return false;
  const long long second = std::llround(time * kSecondsPerDay) % 60;
  const std::string digits{static_cast<char>('0' + second / 10), static_cast<char>('0' + second % 10)};
  return WithAsciiDigits(text::Mid(text::Left(t, position + 2LL), position + 1LL)) == digits;
}

bool ReadsAsMinute(DateServices& dates, const std::string& text, double time) {
  const std::optional<double> read = dates.ReadGeneralDate(text);
  return read && std::llround(*read * kSecondsPerDay) == std::llround(time * kSecondsPerDay) / 60 * 60;
}

}  // namespace

std::string RemoveSeconds(DateServices& dates, const std::string& TimeSeparator,
                          std::int16_t& CharPos, std::string_view Text) {
  const auto date = dates.ReadGeneralDate(Text);
  const std::string t = date ? dates.FormatGeneralDate(*date) : std::string(Text);
  std::string cut = Cut(t, TimeSeparator, CharPos);
  // Where the time form puts words or blanks around its separators ("14 h 35
  // min 20 s"), the cut keeps the seconds or takes the minutes. A time of day
  // is then written in the locale's own form without seconds, if that reads
  // back as its minute; everywhere the cut works it stands.
  if (date && std::trunc(*date) == 0 && !CutTookTheSeconds(t, CharPos, *date) &&
      !CutShowsMinute(dates, TimeSeparator, cut, *date)) {
    std::string shorter = dates.FormatShortTime(*date);
    if (ReadsAsMinute(dates, shorter, *date)) return shorter;
  }
  return cut;
}

}  // namespace tellux::zonetime
