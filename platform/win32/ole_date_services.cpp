#include "platform/win32/ole_date_services.h"

#include <cmath>
#include <string>

#include "platform/win32/code_page.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/windows_api.h"

namespace tellux::win32 {

std::optional<double> OleDateServices::ReadGeneralDate(std::string_view text) {
  std::wstring wide = Utf8ToWide(text);
  DATE date = 0;
  if (FAILED(::VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &date))) return std::nullopt;
  return date;
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

}  // namespace tellux::win32
