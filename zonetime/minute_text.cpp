#include "zonetime/minute_text.h"

namespace tellux::zonetime {

bool MinuteText::SameMinute(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDayOfWeek == b.wDayOfWeek &&
         a.wDay == b.wDay && a.wHour == b.wHour && a.wMinute == b.wMinute;
}

}  // namespace tellux::zonetime
