#include "platform/linux/locale/icu_locale.h"

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/dtfmtsym.h>
#include <unicode/fieldpos.h>
#include <unicode/fpositer.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/udat.h>
#include <unicode/unistr.h>

#include "platform/ansi_buffer.h"
#include "platform/linux/icu_utf8.h"
#include "platform/linux/locale/seconds_splice.h"
#include "platform/linux/locale/time_pattern_rewrite.h"

namespace tellux {

struct IcuLocale::Texts {
  std::unique_ptr<icu::DateFormat> timeFormat;  // null when ICU failed
  std::unique_ptr<icu::Calendar> calendar;      // GMT, so no zone shifts the hour
  std::unique_ptr<SecondsSplice> splice;        // null: the pattern is formatted every time
  std::string timeSeparator;
  std::string amDesignator;
  std::string pmDesignator;
  std::string decimalSeparator;
};

namespace {

bool IsHourField(int32_t field) {
  return field == UDAT_HOUR_OF_DAY0_FIELD || field == UDAT_HOUR_OF_DAY1_FIELD ||
         field == UDAT_HOUR0_FIELD || field == UDAT_HOUR1_FIELD;
}

bool IsDayPeriodField(int32_t field) {
  return field == UDAT_AM_PM_FIELD || field == UDAT_AM_PM_MIDNIGHT_NOON_FIELD ||
         field == UDAT_FLEXIBLE_DAY_PERIOD_FIELD;
}

// Has format write times the panels read back (see time_pattern_rewrite.h).
void UseReadablePattern(icu::DateFormat* format) {
  auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format);
  if (simple == nullptr) return;
  icu::UnicodeString pattern;
  simple->toPattern(pattern);
  const std::u16string readable =
      ReadableTimePattern({pattern.getBuffer(), static_cast<std::size_t>(pattern.length())});
  if (readable != std::u16string_view(pattern.getBuffer(), static_cast<std::size_t>(pattern.length()))) {
    simple->applyPattern(icu::UnicodeString(readable.data(), static_cast<int32_t>(readable.size())));
  }
}

// The splice for format's pattern, or null where the pattern's texts cannot
// be joined.
std::unique_ptr<SecondsSplice> SpliceFor(const icu::DateFormat& format) {
  const auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(&format);
  if (simple == nullptr) return nullptr;
  icu::UnicodeString pattern;
  simple->toPattern(pattern);
  if (!SecondsSplice::Joins({pattern.getBuffer(), static_cast<std::size_t>(pattern.length())})) {
    return nullptr;
  }
  return std::make_unique<SecondsSplice>();
}

// The A calls' contract (platform/ansi_buffer.h), and here a buffer shorter
// than the size it is offered as fails even where the text would fit.
int WriteWithNul(const std::string& text, std::string* buffer, int cch) {
  if (cch > 0 && buffer != nullptr && static_cast<std::size_t>(cch) > buffer->size()) return 0;
  return WriteAnsiBuffer(text, buffer, cch);
}

}  // namespace

IcuLocale::IcuLocale(const std::string& userLocale, const std::string& systemLocale)
    // Most machines' users keep the machine's locale: one set of texts (a
    // format, its symbols and number formats, about 60 kB) serves both.
    : user_(Build(userLocale)),
      system_(systemLocale == userLocale ? nullptr : Build(systemLocale)) {}

IcuLocale::~IcuLocale() = default;

std::unique_ptr<IcuLocale::Texts> IcuLocale::Build(const std::string& name) {
  auto built = std::make_unique<Texts>();
  Texts& texts = *built;
  const icu::Locale locale(name.c_str());
  UErrorCode status = U_ZERO_ERROR;

  std::unique_ptr<icu::DateFormat> format(
      icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale));
  UseReadablePattern(format.get());
  // Our own copy of the format's calendar, in GMT so the machine's zone never
  // shifts the hour; of the same kind, so formatting needs no copy of it.
  std::unique_ptr<icu::Calendar> calendar(format ? format->getCalendar()->clone() : nullptr);
  if (calendar != nullptr) {
    calendar->setTimeZone(*icu::TimeZone::getGMT());
    // A PM time shows where the fields and the day period sit.
    constexpr double kAfternoon = (14 * 3600 + 35 * 60 + 20) * 1000.0;
    calendar->setTime(kAfternoon, status);
    icu::UnicodeString sample;
    icu::FieldPositionIterator fields;
    format->format(*calendar, sample, &fields, status);
    int32_t hourEnd = -1;
    int32_t minuteBegin = -1;
    bool dayPeriod = false;
    icu::FieldPosition field;
    while (U_SUCCESS(status) && fields.next(field)) {
      if (IsHourField(field.getField())) hourEnd = field.getEndIndex();
      if (field.getField() == UDAT_MINUTE_FIELD) minuteBegin = field.getBeginIndex();
      if (IsDayPeriodField(field.getField())) dayPeriod = true;
    }
    if (U_SUCCESS(status) && hourEnd >= 0 && minuteBegin > hourEnd) {
      texts.timeSeparator = Utf8(sample.tempSubStringBetween(hourEnd, minuteBegin));
    }
    if (U_SUCCESS(status)) {
      texts.splice = SpliceFor(*format);
      texts.timeFormat = std::move(format);
      texts.calendar = std::move(calendar);
    }
    UErrorCode symbolStatus = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(locale, symbolStatus);
    int32_t count = 0;
    const icu::UnicodeString* amPm = symbols.getAmPmStrings(count);
    if (dayPeriod && U_SUCCESS(symbolStatus) && count >= 2) {
      texts.amDesignator = Utf8(amPm[0]);
      texts.pmDesignator = Utf8(amPm[1]);
    }
  }
  // Windows never reports an empty separator; a locale without one gets ":".
  if (texts.timeSeparator.empty()) texts.timeSeparator.push_back(':');

  UErrorCode decimalStatus = U_ZERO_ERROR;
  const icu::DecimalFormatSymbols decimal(locale, decimalStatus);
  texts.decimalSeparator =
      U_SUCCESS(decimalStatus)
          ? Utf8(decimal.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol))
          : ".";
  return built;
}

IcuLocale::Texts* IcuLocale::Select(std::uint32_t locale) {
  if (locale == kLocaleUserDefault) return user_.get();
  if (locale == kLocaleSystemDefault) return system_ ? system_.get() : user_.get();
  return nullptr;
}

int IcuLocale::GetLocaleInfoA(std::uint32_t locale, std::uint32_t lcType, std::string* lcData,
                              int cchData) {
  const Texts* texts = Select(locale);
  if (texts == nullptr || cchData < 0) return 0;
  switch (lcType) {
    case kLocaleSTime:
      return WriteWithNul(texts->timeSeparator, lcData, cchData);
    case kLocaleS1159:
      return WriteWithNul(texts->amDesignator, lcData, cchData);
    case kLocaleS2359:
      return WriteWithNul(texts->pmDesignator, lcData, cchData);
    case kLocaleSDecimal:
      return WriteWithNul(texts->decimalSeparator, lcData, cchData);
    default:
      return 0;
  }
}

int IcuLocale::GetTimeFormatA(std::uint32_t locale, std::uint32_t flags, const SYSTEMTIME* time,
                              const char* format, std::string* timeStr, int cchTime) {
  Texts* texts = Select(locale);
  if (texts == nullptr || texts->timeFormat == nullptr || flags != 0 || format != nullptr ||
      time == nullptr || cchTime < 0) {
    return 0;
  }
  if (time->wHour > 23 || time->wMinute > 59 || time->wSecond > 59 || time->wMilliseconds > 999) {
    return 0;
  }
  const int hour = time->wHour;
  const int minute = time->wMinute;
  const int second = time->wSecond;
  SecondsSplice* splice = texts->splice.get();
  std::string text;
  if (splice != nullptr && splice->Find(hour, minute, second, &text)) {
    return WriteWithNul(text, timeStr, cchTime);
  }
  const bool clockRunsOn = splice != nullptr && splice->HasMinute(hour, minute);
  if (!FormatTime(*texts, hour, minute, second, time->wMilliseconds, &text)) return 0;
  if (clockRunsOn) {
    // A new second in a minute already written: the clock is running. The
    // seconds it will ask for are written now, once, rather than one a tick
    // through its first minute.
    for (int s = 0; s < 60; ++s) {
      if (!splice->HasSecond(s)) FormatTime(*texts, hour, minute, s, 0, nullptr);
    }
  }
  return WriteWithNul(text, timeStr, cchTime);
}

bool IcuLocale::FormatTime(Texts& texts, int hour, int minute, int second, int millis,
                           std::string* text) {
  UErrorCode status = U_ZERO_ERROR;
  texts.calendar->setTime(((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millis, status);
  icu::UnicodeString formatted;
  if (texts.splice == nullptr) {
    icu::FieldPosition ignored;
    texts.timeFormat->format(*texts.calendar, formatted, ignored);
    if (U_FAILURE(status)) return false;
    if (text != nullptr) *text = Utf8(formatted);
    return true;
  }
  icu::FieldPositionIterator fields;
  texts.timeFormat->format(*texts.calendar, formatted, &fields, status);
  if (U_FAILURE(status)) return false;
  icu::FieldPosition field;
  while (fields.next(field)) {
    if (field.getField() != UDAT_SECOND_FIELD) continue;
    const int32_t begin = field.getBeginIndex();
    const int32_t end = field.getEndIndex();
    const std::string before = Utf8(formatted.tempSubStringBetween(0, begin));
    const std::string seconds = Utf8(formatted.tempSubStringBetween(begin, end));
    const std::string after = Utf8(formatted.tempSubString(end));
    texts.splice->Remember(hour, minute, second, before, seconds, after);
    if (text != nullptr) *text = before + seconds + after;
    return true;
  }
  if (text != nullptr) *text = Utf8(formatted);
  return true;
}

std::unique_ptr<IcuLocale> MakeIcuLocale() {
  const std::string user = UserLocaleName();
  return std::make_unique<IcuLocale>(user, SystemLocaleName(user));
}

}  // namespace tellux
