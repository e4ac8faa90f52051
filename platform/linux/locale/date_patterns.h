#pragma once
// The patterns, in ICU's pattern syntax and UTF-16, with which the date
// services write and read dates and times in one locale. Deriving them takes
// ICU's pattern generator and three of its formats, about half the work of
// making the date services, so a start keeps them with the zone catalogue
// (zones/catalogue_cache.h) and derives them only when that is built anew.
// ICU stays out of this header.

#include <array>
#include <optional>
#include <string>

namespace tellux {

struct DatePatterns {
  std::u16string writtenDate;  // the short date with a four-digit year
  std::u16string readDate;     // the short date, read with two or four year digits
  std::u16string time;         // the medium time, written so that it reads back
  std::u16string shortTime;    // the short time, the same way
  // What people type whatever their locale: 12-hour with seconds and day
  // period, the same without seconds, 24-hour with and without seconds.
  std::array<std::u16string, 4> typedTimes;

  bool operator==(const DatePatterns&) const = default;
};

// The patterns ICU gives for locale (an ICU locale name such as "en_US"; an
// unknown name gets the root data); nullopt when ICU fails.
std::optional<DatePatterns> DeriveDatePatterns(const std::string& locale);

}  // namespace tellux
