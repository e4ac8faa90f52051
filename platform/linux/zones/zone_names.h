#pragma once
// Zone names in the user's language, from ICU's CLDR data. Built once per
// language; ICU's name tables are loaded at construction and kept.
//
// Failure value: where ICU has no name the localized GMT form of the offset
// ("GMT+05:45") stands in, so every call returns some text.

#include <cstdint>
#include <memory>
#include <string>

namespace tellux::zoneinfo {

class ZoneNames {
 public:
  // localeName: an ICU locale name, "de_DE"; an unusable one means en_US.
  explicit ZoneNames(const std::string& localeName);
  ~ZoneNames();
  ZoneNames(const ZoneNames&) = delete;
  ZoneNames& operator=(const ZoneNames&) = delete;

  // zoneId is a tz database name or alias; utcOffset is in seconds east of
  // UTC and only used for the GMT form.

  // "Pacific Standard Time".
  std::string LongStandard(const std::string& zoneId, std::int32_t utcOffset) const;
  // "Pacific Daylight Time".
  std::string LongDaylight(const std::string& zoneId, std::int32_t utcOffset) const;
  // "Pacific Time (Los Angeles)": the generic name (else the standard name,
  // else the GMT form) with the zone's exemplar city when it has one.
  std::string Place(const std::string& zoneId, std::int32_t utcOffset) const;
  // "GMT+05:45" in the user's language.
  std::string GmtForm(std::int32_t utcOffset) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tellux::zoneinfo
