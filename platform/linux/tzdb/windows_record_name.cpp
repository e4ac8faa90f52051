#include "platform/linux/tzdb/windows_record_name.h"

#include <algorithm>

#include "platform/text.h"

namespace tellux::zoneinfo {
namespace {

std::u16string FitUnits(std::string_view name) {
  std::u16string units = text::ToUtf16(name);
  if (units.size() > kRecordNameUnits) {
    std::size_t keep = kRecordNameUnits;
    // A lead surrogate whose partner would be cut off goes too.
    if (units[keep - 1] >= 0xD800 && units[keep - 1] <= 0xDBFF) --keep;
    units.resize(keep);
  }
  return units;
}

}  // namespace

std::size_t Utf16Length(std::string_view name) { return text::ToUtf16(name).size(); }

std::string FitRecordName(std::string_view name) { return text::FromUtf16(FitUnits(name)); }

void CopyRecordName(std::string_view name, std::array<char16_t, 32>& field) {
  const std::u16string units = FitUnits(name);
  field.fill(u'\0');
  std::copy(units.begin(), units.end(), field.begin());
}

}  // namespace tellux::zoneinfo
