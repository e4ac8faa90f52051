#pragma once
// The user locale's general date form: how a date value is written and read
// as text. The calendar arithmetic on date values is in date_value.h; the
// current date comes from the Clock.

#include <optional>
#include <string>
#include <string_view>

namespace tellux {

class DateServices {
 public:
  DateServices() = default;
  DateServices(const DateServices&) = delete;
  DateServices& operator=(const DateServices&) = delete;
  virtual ~DateServices() = default;

  // Reads text as a date value in the user locale: a time alone (whole part
  // 0), a date alone (fraction 0) or both. nullopt when it doesn't read as one.
  virtual std::optional<double> ReadGeneralDate(std::string_view text) = 0;

  // Writes a date value in the user locale's general date form: the long time
  // alone when the date part is zero, the short date alone when the time is
  // zero, otherwise the short date, a blank and the long time.
  virtual std::string FormatGeneralDate(double date) = 0;

  // The time of day of a date value in the user locale's short time form,
  // which has no seconds ("2:35 PM", "14 h 35"). Empty on failure.
  virtual std::string FormatShortTime(double date) = 0;
};

}  // namespace tellux
