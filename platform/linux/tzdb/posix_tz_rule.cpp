#include "platform/linux/tzdb/posix_tz_rule.h"

#include <cctype>
#include <utility>

namespace tellux::zoneinfo {
namespace {

constexpr std::int32_t kHour = 3600;
constexpr int kMaxOffsetHours = 24;
constexpr int kMaxTimeHours = 167;
// The furthest a standard time can be written from UTC: 24:59:59.
constexpr std::int32_t kMaxStandardOffset = (kMaxOffsetHours + 1) * kHour - 1;

enum class DateForm { kMonthWeekDay, kJulian, kZeroBased };

struct ParsedDate {
  DateForm form = DateForm::kMonthWeekDay;
  int dayOfYear = 0;  // as written, for the two day-of-year forms
  PosixTransition change;
};

class Reader {
 public:
  explicit Reader(std::string_view s) : s_(s) {}

  bool AtEnd() const { return pos_ >= s_.size(); }
  char Peek() const { return AtEnd() ? '\0' : s_[pos_]; }
  bool Take(char c) {
    if (AtEnd() || s_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  // A number of 1..maxDigits digits, or nullopt.
  std::optional<int> Number(std::size_t maxDigits) {
    std::size_t n = 0;
    int value = 0;
    while (!AtEnd() && n < maxDigits && std::isdigit(static_cast<unsigned char>(s_[pos_])) != 0) {
      value = value * 10 + (s_[pos_] - '0');
      ++pos_;
      ++n;
    }
    if (n == 0) return std::nullopt;
    return value;
  }

  // "PST" (letters only) or "<+0530>" (letters, digits and signs); at least
  // three characters either way.
  std::optional<std::string> Name() {
    std::string name;
    if (Take('<')) {
      while (!AtEnd() && Peek() != '>') {
        const char c = s_[pos_++];
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '+' && c != '-') {
          return std::nullopt;
        }
        name += c;
      }
      if (!Take('>')) return std::nullopt;
    } else {
      while (!AtEnd() && std::isalpha(static_cast<unsigned char>(Peek())) != 0) name += s_[pos_++];
    }
    if (name.size() < 3) return std::nullopt;
    return name;
  }

  // [+|-]hh[:mm[:ss]] with hh up to maxHours, in seconds.
  std::optional<std::int32_t> SignedTime(int maxHours) {
    int sign = 1;
    if (Take('-')) {
      sign = -1;
    } else {
      Take('+');
    }
    const std::optional<int> hours = Number(3);
    if (!hours || *hours > maxHours) return std::nullopt;
    std::int32_t seconds = *hours * kHour;
    if (Take(':')) {
      const std::optional<int> minutes = Number(2);
      if (!minutes || *minutes > 59) return std::nullopt;
      seconds += *minutes * 60;
      if (Take(':')) {
        const std::optional<int> secs = Number(2);
        if (!secs || *secs > 59) return std::nullopt;
        seconds += *secs;
      }
    }
    return sign * seconds;
  }

  bool StartsOffset() const {
    const char c = Peek();
    return !AtEnd() && (c == '+' || c == '-' || std::isdigit(static_cast<unsigned char>(c)) != 0);
  }

  // Jn, n or Mm.w.d, with an optional /time.
  std::optional<ParsedDate> Date() {
    ParsedDate d;
    if (Take('M')) {
      const std::optional<int> month = Number(2);
      if (!month || *month < 1 || *month > 12 || !Take('.')) return std::nullopt;
      const std::optional<int> week = Number(1);
      if (!week || *week < 1 || *week > 5 || !Take('.')) return std::nullopt;
      const std::optional<int> weekday = Number(1);
      if (!weekday || *weekday > 6) return std::nullopt;
      d.change.month = *month;
      d.change.week = *week;
      d.change.weekday = *weekday;
    } else {
      d.form = Take('J') ? DateForm::kJulian : DateForm::kZeroBased;
      const std::optional<int> day = Number(3);
      if (!day) return std::nullopt;
      if (d.form == DateForm::kJulian ? (*day < 1 || *day > 365) : *day > 365) return std::nullopt;
      d.dayOfYear = *day;
      d.change = FromDayOfYear(d.form == DateForm::kJulian ? *day : *day + 1);
    }
    if (Take('/')) {
      const std::optional<std::int32_t> time = SignedTime(kMaxTimeHours);
      if (!time) return std::nullopt;
      d.change.time = *time;
    }
    return d;
  }

 private:
  // Day 1..366 of a year without 29 February (366 counts as 31 December),
  // as the Sunday of the same week of its month.
  static PosixTransition FromDayOfYear(int day) {
    static constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day > 365) day = 365;
    int month = 0;
    while (day > kMonthDays[month]) day -= kMonthDays[month++];
    PosixTransition t;
    t.month = month + 1;
    t.week = day > 28 ? 5 : (day - 1) / 7 + 1;
    t.weekday = 0;
    return t;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

// "0/0,J365/25" and the like: daylight saving from the first moment of the
// year to past its last.
bool CoversWholeYear(const ParsedDate& start, const ParsedDate& end, std::int32_t daylightAhead) {
  const bool startsJanuaryFirst =
      (start.form == DateForm::kJulian && start.dayOfYear == 1) ||
      (start.form == DateForm::kZeroBased && start.dayOfYear == 0);
  const bool endsDecember31 = (end.form == DateForm::kJulian && end.dayOfYear == 365) ||
                              (end.form == DateForm::kZeroBased && end.dayOfYear >= 364);
  return startsJanuaryFirst && start.change.time <= 0 && endsDecember31 &&
         end.change.time >= 24 * kHour + daylightAhead;
}

}  // namespace

std::optional<PosixTzRule> ParsePosixTz(std::string_view tz) {
  Reader r(tz);
  PosixTzRule rule;
  std::optional<std::string> standardName = r.Name();
  if (!standardName) return std::nullopt;
  rule.standardAbbreviation = std::move(*standardName);
  const std::optional<std::int32_t> standardOffset = r.SignedTime(kMaxOffsetHours);
  if (!standardOffset) return std::nullopt;
  rule.standardOffset = *standardOffset;
  if (r.AtEnd()) return rule;

  std::optional<std::string> daylightName = r.Name();
  if (!daylightName) return std::nullopt;
  rule.hasDaylight = true;
  rule.daylightAbbreviation = std::move(*daylightName);
  rule.daylightOffset = rule.standardOffset - kHour;
  if (r.StartsOffset()) {
    const std::optional<std::int32_t> daylightOffset = r.SignedTime(kMaxOffsetHours);
    if (!daylightOffset) return std::nullopt;
    rule.daylightOffset = *daylightOffset;
  }

  if (r.AtEnd()) {
    rule.daylightStart = PosixTransition{3, 2, 0, 2 * kHour};
    rule.daylightEnd = PosixTransition{11, 1, 0, 2 * kHour};
    return rule;
  }
  if (!r.Take(',')) return std::nullopt;
  const std::optional<ParsedDate> start = r.Date();
  if (!start || !r.Take(',')) return std::nullopt;
  const std::optional<ParsedDate> end = r.Date();
  if (!end || !r.AtEnd()) return std::nullopt;

  if (CoversWholeYear(*start, *end, rule.standardOffset - rule.daylightOffset)) {
    // The year-round time becomes the standard time, so it must be an offset
    // a standard time can have: one implied an hour ahead of 24:09 is not.
    if (rule.daylightOffset > kMaxStandardOffset || rule.daylightOffset < -kMaxStandardOffset) {
      return std::nullopt;
    }
    PosixTzRule fixed;
    fixed.standardAbbreviation = rule.daylightAbbreviation;
    fixed.standardOffset = rule.daylightOffset;
    return fixed;
  }
  rule.daylightStart = start->change;
  rule.daylightEnd = end->change;
  return rule;
}

PosixTzRule WithDaylightAhead(PosixTzRule rule) {
  if (!rule.hasDaylight || rule.daylightOffset <= rule.standardOffset) return rule;
  // Each change is timed in the time in force before it, which after the
  // swap is still the same time: the times move along with their changes.
  std::swap(rule.standardAbbreviation, rule.daylightAbbreviation);
  std::swap(rule.standardOffset, rule.daylightOffset);
  std::swap(rule.daylightStart, rule.daylightEnd);
  return rule;
}

}  // namespace tellux::zoneinfo
