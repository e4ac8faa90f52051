#include "zonetime/calc_time.h"

#include "platform/error_trap.h"
#include "platform/floor_div.h"
#include "platform/run_time_error.h"
#include "platform/text.h"
#include "zonetime/remove_seconds.h"

namespace tellux::zonetime {
namespace {

const ZoneRuleRecord& Zone(const std::vector<ZoneRuleRecord>& rules, std::int16_t number) {
  if (number < 0 || static_cast<std::size_t>(number) >= rules.size()) {
    throw RunTimeError::SubscriptOutOfRange();
  }
  return rules[static_cast<std::size_t>(number)];
}

// Minutes a zone in daylight saving runs ahead of its standard time. Most
// zones say -60; Lord Howe says -30, and Morocco's Ramadan months, which the
// catalogue records as its daylight period, +60. A catalogue that leaves the
// value 0 gets the usual hour.
long long DaylightShift(const ZoneRuleRecord& zone) {
  return zone.DaylightBias == 0 ? 60 : -static_cast<long long>(zone.DaylightBias);
}

}  // namespace

std::string FormatSystemTime(Locale& locale, const SYSTEMTIME& time, char fill) {
  std::string buffer(255, fill);
  locale.GetTimeFormatA(kLocaleSystemDefault, 0, &time, nullptr, &buffer, 254);
  return text::StripTerminator(buffer);
}

std::string CalcTime(const Services& services, const ConversionContext& context,
                     const SYSTEMTIME& Source, SYSTEMTIME& Result, std::int16_t FromZone,
                     std::int16_t ToZone, MinuteText* kept) {
  return TrapAndEnd(services, "CalcTime", [&] {
    Result = Source;
    const ZoneRuleRecord& from = Zone(context.ZoneRule, FromZone);
    const ZoneRuleRecord& to = Zone(context.ZoneRule, ToZone);
    // Real zones lie up to 26 hours apart and the catalogue's offsets are
    // 32-bit, so the sum is formed wide and the hour wrapped fully into the
    // day; within 16 bits and a day either way this is the same as stepping
    // the minute by 60 and correcting the hour once.
    long long minutes = static_cast<long long>(static_cast<std::int16_t>(Result.wHour)) * 60 +
                        static_cast<std::int16_t>(Result.wMinute);
    minutes += static_cast<long long>(from.Bias) - to.Bias;
    if (from.InDaylight != 0) minutes -= DaylightShift(from);
    if (to.InDaylight != 0) minutes += DaylightShift(to);
    const long long hours = FloorDiv(minutes, 60);
    Result.wMinute = static_cast<std::uint16_t>(minutes - hours * 60);
    Result.wHour = static_cast<std::uint16_t>(hours - FloorDiv(hours, 24) * 24);
    const auto render = [&](const SYSTEMTIME& time) {
      return RemoveSeconds(services.dates, context.TimeSeparator, context.CharPos,
                           FormatSystemTime(services.locale, time));
    };
    return kept != nullptr ? kept->Get(Result, context.TimeSeparator, render) : render(Result);
  });
}

}  // namespace tellux::zonetime
