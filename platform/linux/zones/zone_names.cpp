#include "platform/linux/zones/zone_names.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tzfmt.h>
#include <unicode/tznames.h>

#include "platform/linux/icu_utf8.h"

namespace tellux::zoneinfo {
namespace {

icu::Locale UsableLocale(const std::string& name) {
  icu::Locale locale(name.c_str());
  return locale.isBogus() ? icu::Locale("en_US") : locale;
}

}  // namespace

struct ZoneNames::Impl {
  icu::Locale locale;
  std::unique_ptr<icu::TimeZoneNames> names;
  std::unique_ptr<icu::TimeZoneFormat> format;
  // Names can change with a zone's history; the ones in use now are wanted.
  UDate now = icu::Calendar::getNow();

  // The canonical id ICU's name tables are keyed by.
  icu::UnicodeString Canonical(const std::string& zoneId) const {
    const icu::UnicodeString id = icu::UnicodeString::fromUTF8(zoneId);
    icu::UnicodeString canonical;
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone::getCanonicalID(id, canonical, status);
    return U_SUCCESS(status) && !canonical.isEmpty() ? canonical : id;
  }

  icu::UnicodeString Name(const icu::UnicodeString& id, UTimeZoneNameType type) const {
    icu::UnicodeString name;
    if (names) names->getDisplayName(id, type, now, name);
    return name;
  }
};

ZoneNames::ZoneNames(const std::string& localeName) : impl_(std::make_unique<Impl>()) {
  impl_->locale = UsableLocale(localeName);
  UErrorCode status = U_ZERO_ERROR;
  impl_->names.reset(icu::TimeZoneNames::createInstance(impl_->locale, status));
  if (U_FAILURE(status)) impl_->names.reset();
  status = U_ZERO_ERROR;
  impl_->format.reset(icu::TimeZoneFormat::createInstance(impl_->locale, status));
  if (U_FAILURE(status)) impl_->format.reset();
}

ZoneNames::~ZoneNames() = default;

std::string ZoneNames::GmtForm(std::int32_t utcOffset) const {
  icu::UnicodeString text;
  UErrorCode status = U_ZERO_ERROR;
  if (impl_->format) impl_->format->formatOffsetLocalizedGMT(utcOffset * 1000, text, status);
  if (impl_->format && U_SUCCESS(status) && !text.isEmpty()) return Utf8(text);
  // Without ICU's formats: the plain English form.
  const std::int32_t magnitude = utcOffset < 0 ? -utcOffset : utcOffset;
  if (magnitude == 0) return "GMT";
  const std::int32_t h = magnitude / 3600;
  const std::int32_t m = magnitude / 60 % 60;
  return std::string("GMT") + (utcOffset < 0 ? "-" : "+") + (h < 10 ? "0" : "") + std::to_string(h) +
         (m < 10 ? ":0" : ":") + std::to_string(m);
}

std::string ZoneNames::LongStandard(const std::string& zoneId, std::int32_t utcOffset) const {
  const icu::UnicodeString name = impl_->Name(impl_->Canonical(zoneId), UTZNM_LONG_STANDARD);
  return name.isEmpty() ? GmtForm(utcOffset) : Utf8(name);
}

std::string ZoneNames::LongDaylight(const std::string& zoneId, std::int32_t utcOffset) const {
  const icu::UnicodeString name = impl_->Name(impl_->Canonical(zoneId), UTZNM_LONG_DAYLIGHT);
  return name.isEmpty() ? GmtForm(utcOffset) : Utf8(name);
}

std::string ZoneNames::Place(const std::string& zoneId, std::int32_t utcOffset) const {
  const icu::UnicodeString id = impl_->Canonical(zoneId);
  icu::UnicodeString name = impl_->Name(id, UTZNM_LONG_GENERIC);
  if (name.isEmpty()) name = impl_->Name(id, UTZNM_LONG_STANDARD);
  std::string place = name.isEmpty() ? GmtForm(utcOffset) : Utf8(name);
  icu::UnicodeString city;
  if (impl_->names) impl_->names->getExemplarLocationName(id, city);
  if (!city.isEmpty()) place += " (" + Utf8(city) + ")";
  return place;
}

}  // namespace tellux::zoneinfo
