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
