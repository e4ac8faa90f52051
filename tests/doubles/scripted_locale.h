#pragma once
// Locales written by the test: separator, day-period texts, decimal sign,
// time and short-date pictures. ScriptedLocale answers the locale calls (the
// user locale for locale texts, the system locale for time formatting);
// ScriptedDateServices reads and writes the general date form of a user
// locale, and also reads a time in the script's own time pictures.

#include <memory>
#include <optional>
#include <string>

#include "platform/date_services.h"
#include "platform/locale.h"

namespace tellux::testing {

struct LocaleScript {
  std::string timeSeparator = ":";
  std::string amDesignator = "AM";
  std::string pmDesignator = "PM";  // empty: a 24-hour locale
  std::string decimal = ".";
  // Windows time picture: h/hh 12-hour, H/HH 24-hour, m/mm, s/ss, t/tt
  // day period, quoted literals. Separators are written literally.
  std::string timePicture = "h:mm:ss tt";
  // The same without seconds; empty: timePicture less its seconds field and
  // what stands before it.
  std::string shortTimePicture;
  // Short date picture: d/dd, M/MM, yyyy.
  std::string datePicture = "M/d/yyyy";
};

LocaleScript EnglishUs();  // "h:mm:ss tt", AM/PM, M/d/yyyy
LocaleScript German();     // "HH:mm:ss", no PM, dd.MM.yyyy, decimal ","
LocaleScript Finnish();    // "H.mm.ss", separator ".", no PM, d.M.yyyy
LocaleScript Korean();     // "tt h:mm:ss", 오전/오후 before the hour, yyyy-MM-dd
LocaleScript CanadianFrench();  // "HH' h 'mm' min 'ss' s'", separator " h ", yyyy-MM-dd

// The time of day of t in picture; empty when a field is out of range.
std::string FormatTimePicture(const LocaleScript& script, const SYSTEMTIME& t);

class ScriptedLocale final : public Locale {
 public:
  explicit ScriptedLocale(LocaleScript script = EnglishUs()) : user(script), system(script) {}
  ScriptedLocale(LocaleScript userScript, LocaleScript systemScript)
      : user(std::move(userScript)), system(std::move(systemScript)) {}

  LocaleScript user;
  LocaleScript system;
  bool timeFormatFails = false;
  int timeFormatCalls = 0;

  int GetLocaleInfoA(std::uint32_t locale, std::uint32_t lcType, std::string* lcData,
                     int cchData) override;
  int GetTimeFormatA(std::uint32_t locale, std::uint32_t flags, const SYSTEMTIME* time,
                     const char* format, std::string* timeStr, int cchTime) override;
};

class ScriptedDateServices final : public DateServices {
 public:
  explicit ScriptedDateServices(LocaleScript script = EnglishUs()) : user(std::move(script)) {}
  LocaleScript user;

  std::optional<double> ReadGeneralDate(std::string_view text) override;
  std::string FormatGeneralDate(double date) override;
  // The time picture without its seconds and what stands before them.
  std::string FormatShortTime(double date) override;

 private:
  struct Patterns;
  const Patterns& PatternsFor(const LocaleScript& script);
  std::optional<double> ReadUncached(const Patterns& p, const std::string& text);
  std::shared_ptr<Patterns> patterns_;
};

}  // namespace tellux::testing
