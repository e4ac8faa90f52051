#include "platform/linux/tzdb/year_records.h"

#include <chrono>

#include "platform/floor_div.h"

namespace tellux::zoneinfo {
namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t LocalDays(const TzifTransition& t) { return FloorDiv(t.at + t.offsetBefore, kDay); }

// The calendar year of the change on the wall clock before it.
int LocalYear(const TzifTransition& t) {
  const std::chrono::sys_days day{std::chrono::days{LocalDays(t)}};
  return static_cast<int>(std::chrono::year_month_day{day}.year());
}

// The change as a rule of its year (wYear 0), on the wall clock before it.
SYSTEMTIME LocalRule(const TzifTransition& t) {
  const std::int64_t days = LocalDays(t);
  const std::int64_t rest = t.at + t.offsetBefore - days * kDay;
  const std::chrono::sys_days day{std::chrono::days{days}};
  const std::chrono::year_month_day ymd{day};
  const std::chrono::year_month_day_last last{ymd.year(), std::chrono::month_day_last{ymd.month()}};
  const unsigned d = static_cast<unsigned>(ymd.day());
  const bool lastOfMonth = d + 7 > static_cast<unsigned>(last.day());

  SYSTEMTIME s{};
  s.wMonth = static_cast<std::uint16_t>(static_cast<unsigned>(ymd.month()));
  s.wDayOfWeek = static_cast<std::uint16_t>(std::chrono::weekday{day}.c_encoding());
  // The last such weekday of the month is week 5, as in every yearly rule.
  s.wDay = static_cast<std::uint16_t>(lastOfMonth ? 5 : (d - 1) / 7 + 1);
  s.wHour = static_cast<std::uint16_t>(rest / 3600);
  s.wMinute = static_cast<std::uint16_t>(rest / 60 % 60);
  s.wSecond = static_cast<std::uint16_t>(rest % 60);
  return s;
}

// Files may start with a placeholder transition far outside any calendar
// ("the big bang"); only years 1 to 9999 are dated.
constexpr std::int64_t kFirstDated = -62135596800;  // 0001-01-01
constexpr std::int64_t kLastDated = 253402214400;   // 9999-12-31

bool ChangesOffset(const TzifTransition& t) {
  return t.at >= kFirstDated && t.at < kLastDated &&
         RecordMinutes(t.offsetBefore) != RecordMinutes(t.offsetAfter);
}

// The record of one year's changes of offset, in time order.
std::optional<TziRecord> FromPair(const std::vector<const TzifTransition*>& changes,
                                  std::int32_t standardBias) {
  if (changes.size() != 2) return std::nullopt;
  const TzifTransition& a = *changes[0];
  const TzifTransition& b = *changes[1];
  // The second change must undo the first, and one of the two offsets must
  // be standard time.
  if (RecordMinutes(a.offsetAfter) != RecordMinutes(b.offsetBefore) ||
      RecordMinutes(a.offsetBefore) != RecordMinutes(b.offsetAfter)) {
    return std::nullopt;
  }
  const std::int32_t standard = -standardBias;
  const TzifTransition* away = nullptr;
  const TzifTransition* back = nullptr;
  if (RecordMinutes(a.offsetBefore) == standard) {
    away = &a;
    back = &b;
  } else if (RecordMinutes(a.offsetAfter) == standard) {
    away = &b;
    back = &a;
  } else {
    return std::nullopt;
  }
  TziRecord r;
  r.Bias = standardBias;
  r.DaylightBias = standard - RecordMinutes(away->offsetAfter);
  r.DaylightDate = LocalRule(*away);
  r.StandardDate = LocalRule(*back);
  return r;
}

}  // namespace

std::optional<TziRecord> TziForYear(const std::vector<TzifTransition>& transitions, int year,
                                    std::int32_t standardBias) {
  std::vector<const TzifTransition*> changes;
  for (const TzifTransition& t : transitions) {
    if (ChangesOffset(t) && LocalYear(t) == year) changes.push_back(&t);
  }
  return FromPair(changes, standardBias);
}

std::vector<YearRecord> YearRecords(const std::vector<TzifTransition>& transitions,
                                    const TziRecord& standing) {
  // Transitions come in time order, so their years do too: one pass, each
  // year's changes gathered until the next year begins.
  std::vector<YearRecord> records;
  std::vector<const TzifTransition*> changes;
  int year = 0;
  auto close = [&] {
    const std::optional<TziRecord> r = FromPair(changes, standing.Bias);
    if (r && *r != standing) records.push_back({year, *r});
    changes.clear();
  };
  for (const TzifTransition& t : transitions) {
    if (!ChangesOffset(t)) continue;
    const int y = LocalYear(t);
    if (!changes.empty() && y != year) close();
    year = y;
    changes.push_back(&t);
  }
  close();
  return records;
}

}  // namespace tellux::zoneinfo
