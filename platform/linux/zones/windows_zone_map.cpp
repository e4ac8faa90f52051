#include "platform/linux/zones/windows_zone_map.h"

#include <unicode/timezone.h>
#include <unicode/unistr.h>
#include <unicode/ures.h>

#include <algorithm>
#include <memory>

#include "platform/linux/icu_utf8.h"

namespace tellux::zoneinfo {
namespace {

icu::UnicodeString Unicode(std::string_view s) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<std::int32_t>(s.size())));
}

struct BundleCloser {
  void operator()(UResourceBundle* b) const { ures_close(b); }
};
using Bundle = std::unique_ptr<UResourceBundle, BundleCloser>;

}  // namespace

std::vector<WindowsZone> WindowsZones() {
  std::vector<WindowsZone> zones;
  UErrorCode status = U_ZERO_ERROR;
  const Bundle root(ures_openDirect(nullptr, "windowsZones", &status));
  const Bundle map(ures_getByKey(root.get(), "mapTimezones", nullptr, &status));
  if (U_FAILURE(status)) return zones;
  while (ures_hasNext(map.get())) {
    const Bundle entry(ures_getNextResource(map.get(), nullptr, &status));
    if (U_FAILURE(status)) break;
    const char* key = ures_getKey(entry.get());
    if (key == nullptr) continue;
    icu::UnicodeString golden;
    UErrorCode lookup = U_ZERO_ERROR;
    icu::TimeZone::getIDForWindowsID(icu::UnicodeString(key, -1, US_INV), "001", golden, lookup);
    if (U_FAILURE(lookup) || golden.isEmpty()) continue;
    zones.push_back({key, Utf8(golden)});
  }
  std::sort(zones.begin(), zones.end(),
            [](const WindowsZone& a, const WindowsZone& b) { return a.windowsId < b.windowsId; });
  return zones;
}

std::vector<std::string> ZonesOfWindowsId(std::string_view windowsId) {
  std::vector<std::string> zones;
  UErrorCode status = U_ZERO_ERROR;
  const Bundle root(ures_openDirect(nullptr, "windowsZones", &status));
  const Bundle map(ures_getByKey(root.get(), "mapTimezones", nullptr, &status));
  const Bundle regions(ures_getByKey(map.get(), std::string(windowsId).c_str(), nullptr, &status));
  if (U_FAILURE(status)) return zones;
  // Each region's value is one zone or several, separated by blanks. ICU's
  // tables are sorted by key, so "001", the world's golden zone, comes first.
  while (ures_hasNext(regions.get())) {
    std::int32_t length = 0;
    const UChar* value = ures_getNextString(regions.get(), &length, nullptr, &status);
    if (U_FAILURE(status)) break;
    const std::string ids = Utf8(icu::UnicodeString(value, length));
    for (std::size_t start = 0; start < ids.size();) {
      std::size_t end = ids.find(' ', start);
      if (end == std::string::npos) end = ids.size();
      std::string id = ids.substr(start, end - start);
      start = end + 1;
      if (id.empty() || std::find(zones.begin(), zones.end(), id) != zones.end()) continue;
      zones.push_back(std::move(id));
    }
  }
  return zones;
}

std::string WindowsIdOf(std::string_view zoneName) {
  icu::UnicodeString id;
  UErrorCode status = U_ZERO_ERROR;
  icu::TimeZone::getWindowsID(Unicode(zoneName), id, status);
  return U_SUCCESS(status) ? Utf8(id) : std::string();
}

std::string CanonicalZoneId(std::string_view zoneName) {
  icu::UnicodeString id;
  UErrorCode status = U_ZERO_ERROR;
  icu::TimeZone::getCanonicalID(Unicode(zoneName), id, status);
  return U_SUCCESS(status) ? Utf8(id) : std::string();
}

std::vector<std::string> EquivalentZoneIds(std::string_view zoneName) {
  std::vector<std::string> ids;
  const icu::UnicodeString name = Unicode(zoneName);
  const std::string canonical = CanonicalZoneId(zoneName);
  if (!canonical.empty()) ids.push_back(canonical);
  const std::int32_t n = icu::TimeZone::countEquivalentIDs(name);
  for (std::int32_t i = 0; i < n; ++i) {
    std::string id = Utf8(icu::TimeZone::getEquivalentID(name, i));
    if (!id.empty() && std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(std::move(id));
  }
  return ids;
}

}  // namespace tellux::zoneinfo
