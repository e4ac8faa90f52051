#include "platform/linux/locale/date_patterns.h"

#include <unicode/datefmt.h>
#include <unicode/dtptngen.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <cstddef>
#include <memory>

#include "platform/linux/locale/time_pattern_rewrite.h"

namespace tellux {
namespace {

std::u16string Units(const icu::UnicodeString& s) {
  return {s.getBuffer(), static_cast<std::size_t>(s.length())};
}

icu::UnicodeString PatternOf(const icu::DateFormat* format) {
  icu::UnicodeString pattern;
  if (const auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(format)) {
    simple->toPattern(pattern);
  }
  return pattern;
}

}  // namespace

std::optional<DatePatterns> DeriveDatePatterns(const std::string& locale) {
  const icu::Locale where(locale.c_str());
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::DateTimePatternGenerator> generator(
      icu::DateTimePatternGenerator::createInstance(where, status));
  std::unique_ptr<icu::DateFormat> shortDate(
      icu::DateFormat::createDateInstance(icu::DateFormat::kShort, where));
  std::unique_ptr<icu::DateFormat> mediumTime(
      icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, where));
  std::unique_ptr<icu::DateFormat> shortTime(
      icu::DateFormat::createTimeInstance(icu::DateFormat::kShort, where));
  if (U_FAILURE(status) || !shortDate || !mediumTime || !shortTime) return std::nullopt;

  DatePatterns p;
  // A two-digit year would not survive a round trip outside its century, so
  // dates are written with four digits; reading takes two or four.
  const icu::UnicodeString datePattern = PatternOf(shortDate.get());
  p.writtenDate = Units(generator->replaceFieldTypes(datePattern, u"yyyy", status));
  p.readDate = Units(generator->replaceFieldTypes(datePattern, u"y", status));
  p.time = ReadableTimePattern(Units(PatternOf(mediumTime.get())));
  p.shortTime = ReadableTimePattern(Units(PatternOf(shortTime.get())));
  const char16_t* const skeletons[] = {u"hmsa", u"hma", u"Hms", u"Hm"};
  for (std::size_t i = 0; i < p.typedTimes.size(); ++i) {
    p.typedTimes[i] = ReadableTimePattern(Units(generator->getBestPattern(skeletons[i], status)));
  }
  if (U_FAILURE(status)) return std::nullopt;
  return p;
}

}  // namespace tellux
