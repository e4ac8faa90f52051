#pragma once
// Locale texts and time formatting from GetLocaleInfoA and GetTimeFormatA.
// Both are asked for the ANSI code page's text (LOCALE_USE_CP_ACP: without
// it GetLocaleInfoA answers in the locale's own code page, e.g. 1252 for
// German, whatever the process's code page), which is then converted to
// UTF-8. Counts are in UTF-8 bytes. The AM and PM texts are empty where the
// locale's time format has no day period, as they are on Linux.

#include "platform/locale.h"

namespace tellux::win32 {

class Win32Locale final : public Locale {
 public:
  int GetLocaleInfoA(std::uint32_t locale, std::uint32_t lcType, std::string* lcData,
                     int cchData) override;
  int GetTimeFormatA(std::uint32_t locale, std::uint32_t flags, const SYSTEMTIME* time,
                     const char* format, std::string* timeStr, int cchTime) override;
};

}  // namespace tellux::win32
