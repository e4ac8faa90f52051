#include "platform/win32/ole_date_services.h"

#include <cmath>
#include <string>

#include "platform/time_picture.h"
#include "platform/win32/code_page.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/windows_api.h"

namespace tellux::win32 {
namespace {

// A text of the user's locale, empty when there is none.
std::string UserLocaleText(LCTYPE type) {
  wchar_t buffer[128] = {};
  if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128) == 0) return {};
  return WideToUtf8(buffer);
}

}  // namespace

std::optional<double> OleDateServices::ReadGeneralDate(std::string_view text) {
  std::wstring wide = Utf8ToWide(text);
  DATE date = 0;
  if (SUCCEEDED(::VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &date))) return date;
  // The conversion does not read every locale's own times ("AM 6:35:20",
  // "14 h 35 min 20 s"); a time in the locale's long or short form is read
  // by its picture.
  const std::string am = UserLocaleText(LOCALE_S1159);
  const std::string pm = UserLocaleText(LOCALE_S2359);
  for (LCTYPE picture : {LCTYPE{LOCALE_STIMEFORMAT}, LCTYPE{LOCALE_SSHORTTIME}}) {
    if (const auto time = ReadTimePicture(text, UserLocaleText(picture), am, pm)) return time;
  }
  return std::nullopt;
}

std::string OleDateServices::FormatGeneralDate(double date) {
  // Flags 0 already leave out a zero date or a zero time, but say so
  // explicitly: which part is shown is ours to decide, not a default's.
  // A zero date wins, so midnight of day 0 is the time "12:00:00 AM".
  ULONG flags = 0;
  if (std::trunc(date) == 0) {
    flags = VAR_TIMEVALUEONLY;
  } else if (date == std::trunc(date)) {
    flags = VAR_DATEVALUEONLY;
  }
  UniqueBstr text;
  if (FAILED(::VarBstrFromDate(date, LOCALE_USER_DEFAULT, flags, text.put()))) return {};
  return WideToUtf8({text.get(), ::SysStringLen(text.get())});
}

std::string OleDateServices::FormatShortTime(double date) {
  if (!std::isfinite(date)) return {};
  const long long seconds =
      std::llround(std::fabs(date - std::trunc(date)) * 86400.0) % 86400;
  ::SYSTEMTIME time{};
  time.wYear = 2000;
  time.wMonth = 1;
  time.wDay = 1;
  time.wHour = static_cast<WORD>(seconds / 3600);
  time.wMinute = static_cast<WORD>(seconds / 60 % 60);
  const std::wstring picture = Utf8ToWide(UserLocaleText(LOCALE_SSHORTTIME));
  wchar_t buffer[128] = {};
  if (::GetTimeFormatW(LOCALE_USER_DEFAULT, picture.empty() ? TIME_NOSECONDS : 0, &time,
                       picture.empty() ? nullptr : picture.c_str(), buffer, 128) == 0) {
    return {};
  }
  std::string text = WideToUtf8(buffer);
  // Some systems leave the blank that stood before the seconds.
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace tellux::win32
