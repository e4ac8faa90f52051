#include "platform/linux/tzdb/windows_tzi_record.h"

#include <algorithm>

#include "platform/floor_div.h"

namespace tellux::zoneinfo {
namespace {

constexpr std::int32_t kDay = 86400;

SYSTEMTIME Change(const PosixTransition& t) {
  const auto days = static_cast<std::int32_t>(FloorDiv(t.time, kDay));
  const std::int32_t rest = t.time - days * kDay;
  const int weekShift = days >= 4 ? 1 : (days <= -4 ? -1 : 0);
  int week = t.week;
  if (!(week == 5 && weekShift >= 0)) week = std::clamp(week + weekShift, 1, 5);

  SYSTEMTIME s;
  s.wMonth = static_cast<std::uint16_t>(t.month);
  s.wDayOfWeek = static_cast<std::uint16_t>(((t.weekday + days) % 7 + 7) % 7);
  s.wDay = static_cast<std::uint16_t>(week);
  s.wHour = static_cast<std::uint16_t>(rest / 3600);
  s.wMinute = static_cast<std::uint16_t>(rest / 60 % 60);
  s.wSecond = static_cast<std::uint16_t>(rest % 60);
  return s;
}

void Put32(std::string& out, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((u >> shift) & 0xFF);
}

void Put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void PutDate(std::string& out, const SYSTEMTIME& s) {
  for (std::uint16_t v : {s.wYear, s.wMonth, s.wDayOfWeek, s.wDay, s.wHour, s.wMinute, s.wSecond,
                          s.wMilliseconds}) {
    Put16(out, v);
  }
}

}  // namespace

std::int32_t RecordMinutes(std::int32_t seconds) {
  return seconds >= 0 ? (seconds + 30) / 60 : -((-seconds + 30) / 60);
}

TziRecord TziFromRule(const PosixTzRule& posix) {
  const PosixTzRule rule = WithDaylightAhead(posix);
  TziRecord r;
  r.Bias = RecordMinutes(rule.standardOffset);
  if (!rule.hasDaylight) return r;
  r.DaylightBias = RecordMinutes(rule.daylightOffset) - r.Bias;
  r.DaylightDate = Change(rule.daylightStart);
  r.StandardDate = Change(rule.daylightEnd);
  return r;
}

std::string TziBytes(const TziRecord& record) {
  std::string out;
  out.reserve(44);
  Put32(out, record.Bias);
  Put32(out, record.StandardBias);
  Put32(out, record.DaylightBias);
  PutDate(out, record.StandardDate);
  PutDate(out, record.DaylightDate);
  return out;
}

}  // namespace tellux::zoneinfo
