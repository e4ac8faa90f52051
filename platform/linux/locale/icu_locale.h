#pragma once
// Locale texts and the time-of-day format on Linux, from ICU's locale data:
// the user's locale answers kLocaleUserDefault, the machine's default locale
// kLocaleSystemDefault. Texts are UTF-8 and buffer sizes count bytes. A call
// fails with 0 and leaves the buffer untouched, as the Windows calls do; a
// buffer shorter than the size it is offered as counts as a failure too.
// ICU stays behind this interface.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/linux/locale/locale_names.h"
#include "platform/locale.h"

namespace tellux {

class IcuLocale final : public Locale {
 public:
  // ICU locale names such as "en_US" or "de_DE"; an unknown name gets ICU's
  // root locale data.
  IcuLocale(const std::string& userLocale, const std::string& systemLocale);
  ~IcuLocale() override;

  // kLocaleSTime: the text between hour and minute in the locale's time
  // format; kLocaleS1159 and kLocaleS2359: the AM and PM texts, empty when
  // the time format has no day period; kLocaleSDecimal: the decimal separator. Other types fail.
  int GetLocaleInfoA(std::uint32_t locale, std::uint32_t lcType, std::string* lcData,
                     int cchData) override;

  // The time of day of *time (the date fields are ignored) in ICU's medium
  // time style of the locale, e.g. "2:35:20\u202fPM" in en_US, written so
  // that it reads back (see time_pattern_rewrite.h): zh_TW writes
  // "上午6:26:20", not the flexible day period "清晨6:26:20". Only flags 0
  // and a null format are supported; anything else fails.
  int GetTimeFormatA(std::uint32_t locale, std::uint32_t flags, const SYSTEMTIME* time,
                     const char* format, std::string* timeStr, int cchTime) override;

 private:
  // Everything one locale needs, built once: these calls run every second.
  // The clock's texts are joined from a minute's parts (seconds_splice.h)
  // where the locale's pattern allows.
  struct Texts;

  static std::unique_ptr<Texts> Build(const std::string& name);
  Texts* Select(std::uint32_t locale);
  // hour:minute:second.millis in full into *text (unless text is null), its
  // parts remembered for joining; false when ICU fails.
  static bool FormatTime(Texts& texts, int hour, int minute, int second, int millis,
                         std::string* text);

  std::unique_ptr<Texts> user_;
  std::unique_ptr<Texts> system_;  // null: the user's serve
};

// The locale service for this user on this machine.
std::unique_ptr<IcuLocale> MakeIcuLocale();

}  // namespace tellux
