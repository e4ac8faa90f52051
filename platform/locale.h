#pragma once
// Locale texts and time formatting, in the shape of the Windows ANSI calls.
// Texts are UTF-8. Buffers are std::strings whose existing characters are the
// buffer; a call writes into them and never resizes them.

#include <cstdint>
#include <string>

#include "platform/win_types.h"

namespace tellux {

class Locale {
 public:
  Locale() = default;
  Locale(const Locale&) = delete;
  Locale& operator=(const Locale&) = delete;
  virtual ~Locale() = default;

  // Reads one locale text (kLocaleSTime, kLocaleS1159, kLocaleS2359,
  // kLocaleSDecimal). With
  // cchData 0 it returns the size needed, NUL included, and writes nothing.
  // Otherwise it writes the text and a NUL into the first cchData characters
  // of *lcData and returns how many it wrote. 0 on failure.
  virtual int GetLocaleInfoA(std::uint32_t locale, std::uint32_t lcType, std::string* lcData,
                             int cchData) = 0;

  // Formats the time of day of *time (flags 0 and a null format: the locale's
  // own time format, with seconds and day period where it has them) into the
  // first cchTime characters of *timeStr, NUL-terminated. Returns the count
  // written, NUL included; 0 on failure (a field out of range, too small a
  // buffer), leaving the buffer untouched.
  virtual int GetTimeFormatA(std::uint32_t locale, std::uint32_t flags, const SYSTEMTIME* time,
                             const char* format, std::string* timeStr, int cchTime) = 0;
};

}  // namespace tellux
