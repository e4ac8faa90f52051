#include "tests/doubles/fake_clock.h"

#include <algorithm>

#include "platform/date_value.h"
#include "platform/text.h"

namespace tellux::testing {

SYSTEMTIME MakeTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  SYSTEMTIME t = date_value::ToSystemTime(date_value::DateSerial(year, month, day));
  t.wHour = static_cast<std::uint16_t>(hour);
  t.wMinute = static_cast<std::uint16_t>(minute);
  t.wSecond = static_cast<std::uint16_t>(second);
  t.wMilliseconds = static_cast<std::uint16_t>(millisecond);
  return t;
}

void FakeClock::SetZone(std::int32_t bias, const std::string& standardName,
                        const std::string& daylightName) {
  zone = {};
  zone.Bias = bias;
  const std::u16string s = text::ToUtf16(standardName);
  const std::u16string d = text::ToUtf16(daylightName);
  std::copy_n(s.begin(), std::min<std::size_t>(s.size(), 31), zone.StandardName.begin());
  std::copy_n(d.begin(), std::min<std::size_t>(d.size(), 31), zone.DaylightName.begin());
}

void FakeClock::Advance(long long seconds) {
  const auto step = [seconds](SYSTEMTIME& t) {
    const std::uint16_t ms = t.wMilliseconds;
    t = date_value::ToSystemTime(date_value::FromSystemTime(t) + static_cast<double>(seconds) / 86400.0);
    t.wMilliseconds = ms;
  };
  step(local);
  step(utc);
}

}  // namespace tellux::testing
