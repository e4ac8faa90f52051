#pragma once
// Copies between our SYSTEMTIME and the Windows one (same eight fields).

#include "platform/win32/windows_api.h"
#include "platform/win_types.h"

namespace tellux::win32 {

inline tellux::SYSTEMTIME FromSystem(const ::SYSTEMTIME& t) {
  return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

inline ::SYSTEMTIME ToSystem(const tellux::SYSTEMTIME& t) {
  return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

}  // namespace tellux::win32
