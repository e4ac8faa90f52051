#pragma once
// The user locale's general date form on Linux, from ICU's locale data.
// Writes the short date (four-digit year) and the medium time ("3/15/2023
// 4:35:20\u202fPM" in en_US) and reads those and the usual typed variants.
// Date values are days since 1899-12-30 with the time of day as the
// fraction (platform/date_value.h); years 100 to 9999, as Windows dates.
// Failure: an empty text when writing, nullopt when reading.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/date_services.h"

namespace tellux {

class IcuDateServices final : public DateServices {
 public:
  // An ICU locale name such as "en_US"; an unknown name gets the root data.
  explicit IcuDateServices(const std::string& userLocale);
  ~IcuDateServices() override;

  // Reads, in the whole text (surrounding blanks allowed): a date in the
  // short date form (two- or four-digit year), a time with or without
  // seconds in the locale's form or as 12-hour with day period or 24-hour,
  // or a date, a blank and a time. Any blank before the day period may be
  // a space, U+00A0 or U+202F. Fields are checked strictly: "25:10" and
  // "2/30/2024" are not dates.
  std::optional<double> ReadGeneralDate(std::string_view text) override;

  // Rounds to the second. Empty for a value outside the years 100 to 9999
  // or not a number.
  std::string FormatGeneralDate(double date) override;

  // ICU's short time style ("2:35\u202fPM", "14 h 35"). Times here are
  // written as the locale services write them: AM/PM for flexible day
  // periods, no words before a leading hour.
  std::string FormatShortTime(double date) override;

 private:
  struct Formats;  // ICU's, kept out of this header
  std::unique_ptr<Formats> f_;
  double firstDay_;
  double lastDay_;
};

}  // namespace tellux
