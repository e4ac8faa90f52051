#include "platform/win32/win32_zone_search.h"

#include "platform/win32/code_page.h"
#include "platform/win32/windows_api.h"

namespace tellux::win32 {

bool Win32ZoneSearch::BeginsWith(std::string_view text, std::string_view typed) const {
  if (typed.empty()) return false;
  const std::wstring wideText = Utf8ToWide(text);
  const std::wstring wideTyped = Utf8ToWide(typed);
  // A search from the start rather than a compare of the text's first
  // typed.size() characters: a match need not be as long as what was typed
  // (a letter and its accent may be two characters in one, one in the other).
  return ::FindNLSStringEx(LOCALE_NAME_USER_DEFAULT,
                           FIND_STARTSWITH | LINGUISTIC_IGNORECASE | LINGUISTIC_IGNOREDIACRITIC,
                           wideText.c_str(), static_cast<int>(wideText.size()), wideTyped.c_str(),
                           static_cast<int>(wideTyped.size()), nullptr, nullptr, nullptr,
                           0) == 0;
}

std::vector<std::string> Win32ZoneSearch::PlacesOf(std::string_view /*keyName*/) const { return {}; }

}  // namespace tellux::win32
