#include "platform/win32/win32_locale.h"

#include <algorithm>
#include <optional>

#include "platform/ansi_buffer.h"
#include "platform/time_picture.h"
#include "platform/win32/code_page.h"
#include "platform/win32/system_time.h"
#include "platform/win32/windows_api.h"

namespace tellux::win32 {
namespace {

// The text an A call writes, without its NUL; nullopt when it fails.
template <class Call>
std::optional<std::string> ReadAnsi(Call call) {
  const int size = call(nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::string ansi(static_cast<std::size_t>(size), '\0');
  const int written = call(ansi.data(), size);
  if (written <= 0) return std::nullopt;
  ansi.resize(static_cast<std::size_t>(written - 1));
  return AnsiToUtf8(ansi);
}

}  // namespace

int Win32Locale::GetLocaleInfoA(std::uint32_t locale, std::uint32_t lcType, std::string* lcData,
                                int cchData) {
  if (lcType == kLocaleS1159 || lcType == kLocaleS2359) {
    // A 24-hour clock writes no day period, yet some locales still name one
    // (ja-JP "午後" beside "H:mm:ss"); read with it, "12:47" would be taken
    // for a morning time. Such a clock reports none, as on Linux.
    const auto picture = ReadAnsi([&](char* buffer, int size) {
      return ::GetLocaleInfoA(locale, LOCALE_STIMEFORMAT | LOCALE_USE_CP_ACP, buffer, size);
    });
    if (picture && !PictureHasDayPeriod(*picture)) return WriteAnsiBuffer({}, lcData, cchData);
  }
  const auto text = ReadAnsi([&](char* buffer, int size) {
    return ::GetLocaleInfoA(locale, lcType | LOCALE_USE_CP_ACP, buffer, size);
  });
  return text ? WriteAnsiBuffer(*text, lcData, cchData) : 0;
}

int Win32Locale::GetTimeFormatA(std::uint32_t locale, std::uint32_t flags, const SYSTEMTIME* time,
                                const char* format, std::string* timeStr, int cchTime) {
  const ::SYSTEMTIME system = time != nullptr ? ToSystem(*time) : ::SYSTEMTIME{};
  const std::string ansiFormat = format != nullptr ? Utf8ToAnsi(format) : std::string();
  const auto text = ReadAnsi([&](char* buffer, int size) {
    return ::GetTimeFormatA(locale, flags | LOCALE_USE_CP_ACP, time != nullptr ? &system : nullptr,
                            format != nullptr ? ansiFormat.c_str() : nullptr, buffer, size);
  });
  return text ? WriteAnsiBuffer(*text, timeStr, cchTime) : 0;
}

}  // namespace tellux::win32
