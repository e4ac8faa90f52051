#include "platform/date_value.h"

#include <chrono>
#include <cmath>

namespace tellux::date_value {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr sys_days kEpoch = sys_days{std::chrono::year{1899} / 12 / 30};

// The day a date value falls on: its whole part, towards zero.
sys_days DayOf(double date) { return kEpoch + days{static_cast<long long>(std::trunc(date))}; }

std::chrono::year_month_day CivilOf(double date) { return std::chrono::year_month_day{DayOf(date)}; }

double Serial(sys_days d) { return static_cast<double>((d - kEpoch).count()); }

// Combines a day and a time of day (0 <= fraction < 1) into a date value.
double Combine(sys_days d, double fraction) {
  const double whole = Serial(d);
  return whole < 0 ? whole - fraction : whole + fraction;
}

}  // namespace

double DateSerial(int year, int month, int day) {
  // Carry the month first, then let the day run over the month's end.
  const long long m0 = static_cast<long long>(month) - 1;
  const long long yearCarry = m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
  const int m = static_cast<int>(m0 - yearCarry * 12) + 1;
  const auto first = sys_days{std::chrono::year{static_cast<int>(year + yearCarry)} /
                              static_cast<unsigned>(m) / 1};
  return Serial(first + days{static_cast<long long>(day) - 1});
}

int Year(double date) { return static_cast<int>(CivilOf(date).year()); }
int Month(double date) { return static_cast<int>(static_cast<unsigned>(CivilOf(date).month())); }
int Day(double date) { return static_cast<int>(static_cast<unsigned>(CivilOf(date).day())); }

int Weekday(double date) {
  return static_cast<int>(std::chrono::weekday{DayOf(date)}.c_encoding()) + 1;
}

double FromSystemTime(const SYSTEMTIME& t) {
  const auto d = sys_days{std::chrono::year{t.wYear} / t.wMonth / t.wDay};
  const double seconds = t.wHour * 3600.0 + t.wMinute * 60.0 + t.wSecond;
  return Combine(d, seconds / 86400.0);
}

SYSTEMTIME ToSystemTime(double date) {
  const sys_days d = DayOf(date);
  long long ms = std::llround(std::fabs(date - std::trunc(date)) * 86400000.0);
  sys_days day = d;
  if (ms >= 86400000) {  // rounding reached the next midnight
    ms -= 86400000;
    day += days{1};
  }
  const std::chrono::year_month_day ymd{day};
  SYSTEMTIME t;
  t.wYear = static_cast<std::uint16_t>(static_cast<int>(ymd.year()));
  t.wMonth = static_cast<std::uint16_t>(static_cast<unsigned>(ymd.month()));
  t.wDay = static_cast<std::uint16_t>(static_cast<unsigned>(ymd.day()));
  t.wDayOfWeek = static_cast<std::uint16_t>(std::chrono::weekday{day}.c_encoding());
  t.wHour = static_cast<std::uint16_t>(ms / 3600000);
  t.wMinute = static_cast<std::uint16_t>(ms / 60000 % 60);
  t.wSecond = static_cast<std::uint16_t>(ms / 1000 % 60);
  t.wMilliseconds = static_cast<std::uint16_t>(ms % 1000);
  return t;
}

}  // namespace tellux::date_value
