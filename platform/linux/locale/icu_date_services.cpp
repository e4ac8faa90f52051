#include "platform/linux/locale/icu_date_services.h"

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/dtptngen.h>
#include <unicode/fieldpos.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/parsepos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <cmath>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/date_value.h"
#include "platform/linux/icu_utf8.h"
#include "platform/linux/locale/required_literals.h"
#include "platform/linux/locale/time_pattern_rewrite.h"

namespace tellux {

// The locale's patterns and one format that writes and reads with each in
// turn: a format holds its own copy of the locale's symbols and number
// formats (about 50 KB), so one per pattern would cost more than everything
// else the program keeps, while switching patterns costs a microsecond.
// Built once for the locale; format and calendar are null when ICU failed.
struct IcuDateServices::Formats {
  std::unique_ptr<icu::Calendar> calendar;  // GMT, pure Gregorian
  std::unique_ptr<icu::SimpleDateFormat> format;
  icu::UnicodeString datePattern;       // the short date, four-digit year
  icu::UnicodeString timePattern;       // the medium time
  icu::UnicodeString shortTimePattern;  // the short time
  // Tried in turn when reading; each must take the whole text.
  struct ReadPattern {
    icu::UnicodeString pattern;
    bool hasDate;  // false: a time alone, whole part 0
    // The pattern's literal characters that a text it reads must hold, in
    // this order (see ReadingLiterals); a text without them is not tried.
    icu::UnicodeString literals;
  };
  std::vector<ReadPattern> readPatterns;
  const icu::UnicodeString* applied = nullptr;  // the pattern format has now

  // format, with pattern (one of the above, which never move) applied.
  icu::SimpleDateFormat& With(const icu::UnicodeString& pattern) {
    if (applied != &pattern) {
      format->applyPattern(pattern);
      applied = &pattern;
    }
    return *format;
  }
};

namespace {

constexpr double kMillisPerDay = 86400000.0;

// ICU's strict reading takes a plain blank in a pattern for any white space
// in the text (a space, U+00A0, U+202F, even two) but a U+202F in a pattern
// only for itself, so reading patterns get plain blanks.
void NormaliseBlanks(icu::UnicodeString& s) {
  s.findAndReplace(icu::UnicodeString(static_cast<UChar>(0x202F)), icu::UnicodeString(u' '));
  s.findAndReplace(icu::UnicodeString(static_cast<UChar>(0x00A0)), icu::UnicodeString(u' '));
}

icu::UnicodeString PatternOf(const icu::DateFormat* format) {
  icu::UnicodeString pattern;
  if (const auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(format)) {
    simple->toPattern(pattern);
  }
  return pattern;
}

// pattern as the locale services write times (see time_pattern_rewrite.h),
// so the general date form writes and reads the same texts.
icu::UnicodeString Readable(const icu::UnicodeString& pattern) {
  const std::u16string readable =
      ReadableTimePattern({pattern.getBuffer(), static_cast<std::size_t>(pattern.length())});
  return {readable.data(), static_cast<int32_t>(readable.size())};
}

}  // namespace

IcuDateServices::IcuDateServices(const std::string& userLocale)
    : f_(std::make_unique<Formats>()),
      firstDay_(date_value::DateSerial(100, 1, 1)),
      lastDay_(date_value::DateSerial(9999, 12, 31)) {
  const icu::Locale locale(userLocale.c_str());
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::DateTimePatternGenerator> generator(
      icu::DateTimePatternGenerator::createInstance(locale, status));
  std::unique_ptr<icu::DateFormat> shortDate(
      icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale));
  std::unique_ptr<icu::DateFormat> mediumTime(
      icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale));
  std::unique_ptr<icu::DateFormat> shortTime(
      icu::DateFormat::createTimeInstance(icu::DateFormat::kShort, locale));
  if (U_FAILURE(status) || !shortDate || !mediumTime || !shortTime) return;

  // A two-digit year would not survive a round trip outside its century, so
  // dates are written with four digits; reading takes two or four.
  const icu::UnicodeString datePattern = PatternOf(shortDate.get());
  const icu::UnicodeString writtenDate = generator->replaceFieldTypes(datePattern, u"yyyy", status);
  const icu::UnicodeString readDate = generator->replaceFieldTypes(datePattern, u"y", status);
  // Times: the locale's own with and without seconds, then 12-hour with day
  // period and 24-hour, which people type whatever their locale.
  std::vector<icu::UnicodeString> times = {Readable(PatternOf(mediumTime.get())),
                                           Readable(PatternOf(shortTime.get()))};
  for (const char16_t* skeleton : {u"hmsa", u"hma", u"Hms", u"Hm"}) {
    times.push_back(Readable(generator->getBestPattern(skeleton, status)));
  }
  if (U_FAILURE(status)) return;

  // Strict, so reading checks every field; writing is the same either way.
  auto format = std::make_unique<icu::SimpleDateFormat>(writtenDate, locale, status);
  if (U_FAILURE(status)) return;
  format->setLenient(false);
  format->setTimeZone(*icu::TimeZone::getGMT());
  // A field is a run of digits. ICU's number reading also takes an exponent
  // ("5:1E1" as 5:10), a sign ("-0:00" as midnight) and the locale's words
  // for NaN and infinity (as 0): strict, so no plus sign; no exponent; no
  // prefix for negative numbers, so a minus is read as no part of one; and
  // no words.
  if (const auto* own = dynamic_cast<const icu::DecimalFormat*>(format->getNumberFormat())) {
    icu::DecimalFormat numbers(*own);
    numbers.setLenient(false);
    numbers.setAttribute(UNUM_PARSE_NO_EXPONENT, 1, status);
    numbers.setNegativePrefix(icu::UnicodeString());
    icu::DecimalFormatSymbols symbols(*numbers.getDecimalFormatSymbols());
    symbols.setSymbol(icu::DecimalFormatSymbols::kNaNSymbol, icu::UnicodeString());
    symbols.setSymbol(icu::DecimalFormatSymbols::kInfinitySymbol, icu::UnicodeString());
    numbers.setDecimalFormatSymbols(symbols);
    if (U_FAILURE(status)) return;
    format->setNumberFormat(numbers);
  }
  std::unique_ptr<icu::Calendar> calendar(format->getCalendar()->clone());
  if (!calendar) return;
  calendar->setTimeZone(*icu::TimeZone::getGMT());
  calendar->setLenient(false);
  // Date values are proleptic Gregorian: no Julian days before 1582.
  if (auto* gregorian = dynamic_cast<icu::GregorianCalendar*>(calendar.get())) {
    constexpr double kLongBeforeAnyDate = -8.64e15;  // ms, about 271,000 BC
    gregorian->setGregorianChange(kLongBeforeAnyDate, status);
    if (U_FAILURE(status)) return;
  }
  f_->datePattern = writtenDate;
  f_->timePattern = times[0];
  f_->shortTimePattern = times[1];

  auto add = [&](icu::UnicodeString p, bool hasDate) {
    NormaliseBlanks(p);
    if (p.isEmpty()) return;
    for (const auto& q : f_->readPatterns) {
      if (q.pattern == p) return;
    }
    f_->readPatterns.push_back({p, hasDate, ReadingLiterals(p)});
  };
  // Times before the date alone: in a locale that writes times as H.mm.ss
  // and dates as d.M.y, "1.02.24" is the clock's time, not 1 February.
  for (const auto& t : times) add(readDate + u" " + t, true);
  for (const auto& t : times) add(t, false);
  add(readDate, true);

  f_->calendar = std::move(calendar);
  f_->format = std::move(format);
  f_->applied = &f_->datePattern;
}

IcuDateServices::~IcuDateServices() = default;

std::optional<double> IcuDateServices::ReadGeneralDate(std::string_view text) {
  // Nothing this long is a date; ICU need not look.
  constexpr std::size_t kLongestDate = 256;
  if (!f_->calendar || text.size() > kLongestDate) return std::nullopt;
  icu::UnicodeString input = icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
  input.trim();
  if (input.isEmpty()) return std::nullopt;
  // ICU's number reading takes "\u221E" for infinity whatever the symbols
  // say, and a date field then reads it as 0; no date holds one.
  if (input.indexOf(u'\u221E') >= 0) return std::nullopt;

  for (const auto& [pattern, hasDate, literals] : f_->readPatterns) {
    // Strict reading matches every literal before the last field exactly,
    // so a text without them cannot be read this way; most texts are times,
    // which this spares the date forms tried first.
    if (!HoldsInOrder(input, literals)) continue;
    f_->calendar->clear();
    icu::ParsePosition position(0);
    f_->With(pattern).parse(input, *f_->calendar, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length()) continue;
    UErrorCode status = U_ZERO_ERROR;
    const double millis = f_->calendar->getTime(status);  // strict: checks every field
    if (U_FAILURE(status)) continue;

    const double epochDays = std::floor(millis / kMillisPerDay);
    const double fraction = (millis - epochDays * kMillisPerDay) / kMillisPerDay;
    if (!hasDate) return fraction;
    const double day = epochDays + date_value::DateSerial(1970, 1, 1);
    if (day < firstDay_ || day > lastDay_) return std::nullopt;
    // Before 1899-12-30 the whole part counts back, the fraction forward.
    return day < 0 ? day - fraction : day + fraction;
  }
  return std::nullopt;
}

std::string IcuDateServices::FormatGeneralDate(double date) {
  if (!f_->calendar || !std::isfinite(date)) return {};
  double day = std::trunc(date);
  double seconds = std::round(std::fabs(date - day) * 86400.0);
  if (seconds >= 86400.0) {  // rounding reached the next midnight
    seconds -= 86400.0;
    day += 1.0;
  }
  if (day < firstDay_ || day > lastDay_) return {};

  UErrorCode status = U_ZERO_ERROR;
  f_->calendar->setTime(
      (day - date_value::DateSerial(1970, 1, 1)) * kMillisPerDay + seconds * 1000.0, status);
  if (U_FAILURE(status)) return {};
  icu::UnicodeString out;
  icu::FieldPosition ignored;
  if (day != 0) f_->With(f_->datePattern).format(*f_->calendar, out, ignored);
  if (day != 0 && seconds != 0) out.append(u' ');
  if (day == 0 || seconds != 0) f_->With(f_->timePattern).format(*f_->calendar, out, ignored);
  return Utf8(out);
}

std::string IcuDateServices::FormatShortTime(double date) {
  if (!f_->calendar || !std::isfinite(date)) return {};
  const double seconds = std::round(std::fabs(date - std::trunc(date)) * 86400.0);
  UErrorCode status = U_ZERO_ERROR;
  f_->calendar->setTime(std::fmod(seconds, 86400.0) * 1000.0, status);
  if (U_FAILURE(status)) return {};
  icu::UnicodeString out;
  icu::FieldPosition ignored;
  f_->With(f_->shortTimePattern).format(*f_->calendar, out, ignored);
  return Utf8(out);
}

}  // namespace tellux
