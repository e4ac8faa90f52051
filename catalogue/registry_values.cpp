#include "catalogue/registry_values.h"

#include <new>

#include "platform/error_trap.h"
#include "platform/run_time_error.h"
#include "platform/text.h"
#include "zonetime/daylight_saving.h"

namespace tellux::catalogue {
namespace {

template <class T>
T& Entry(std::vector<T>& array, std::int16_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= array.size()) {
    throw RunTimeError::SubscriptOutOfRange();
  }
  return array[static_cast<std::size_t>(index)];
}

// A buffer of size blanks; a size no memory can hold is the run-time error
// the allocation would raise.
std::string Blanks(std::uint32_t size) {
  try {
    return std::string(size, ' ');
  } catch (const std::bad_alloc&) {
    throw RunTimeError(7, "Out of memory");
  } catch (const std::length_error&) {
    throw RunTimeError(7, "Out of memory");
  }
}

// Byte k (from 0) of a binary value read as text; a value too short to have
// it fails as reading past a text's end does.
int ByteAt(const std::string& b, std::size_t k) {
  if (k >= b.size()) throw RunTimeError::InvalidProcedureCall();
  return static_cast<unsigned char>(b[k]);
}

// A 32-bit field from its two low bytes, negative when the top byte says so.
// The second byte is never read; a top byte of exactly 128 counts as positive.
std::int32_t SignedField(const std::string& b, std::size_t offset) {
  const int low = ByteAt(b, offset);
  const int high = ByteAt(b, offset + 1);
  const int top = ByteAt(b, offset + 3);
  return high * 256 + low - (top > 128 ? 65536 : 0);
}

constexpr std::size_t kRecordSize = 44;

// Windows keeps the rules of zones that change from year to year (Morocco's
// Ramadan, one-off changes of law) in the zone's "Dynamic DST" subkey, one
// record per year named by the year. This year's record, when there is a
// whole one, stands in for "TZI"; otherwise "TZI" does.
std::string ThisYearsRecord(const Services& services, const std::string& zonePath,
                            std::string tzi) {
  SYSTEMTIME now;
  services.clock.GetLocalTime(now);
  std::string record = GetString(services, kHkeyLocalMachine, zonePath + "\\Dynamic DST",
                                  std::to_string(now.wYear));
  return record.size() >= kRecordSize ? record : tzi;
}

}  // namespace

const char* CataloguePath(const OSVERSIONINFO& OsVersion) {
  return OsVersion.dwPlatformId == kVerPlatformWin32Nt ? kNtCataloguePath : kWindowsCataloguePath;
}

std::string GetString(const Services& services, RegKey root, const std::string& path,
                      const std::string& valueName) {
  return TrapAndEnd(services, "GetString", [&] {
    RegKey key = 0;
    services.registry.RegOpenKeyA(root, path, key);
    std::string value = RegQueryStringValue(services, key, valueName);
    services.registry.RegCloseKey(key);
    return value;
  });
}

std::string RegQueryStringValue(const Services& services, RegKey key, const std::string& valueName) {
  return TrapAndEnd(services, "RegQueryStringValue", [&]() -> std::string {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (services.registry.RegQueryValueExA(key, valueName, type, nullptr, size) != kErrorSuccess) {
      return {};
    }
    if (type != kRegSz && type != kRegBinary) return {};
    std::string buffer = Blanks(size);
    std::uint32_t ignoredType = 0;
    if (services.registry.RegQueryValueExA(key, valueName, ignoredType, &buffer, size) !=
        kErrorSuccess) {
      return {};
    }
    return type == kRegSz ? text::StripTerminator(buffer) : buffer;
  });
}

void GetRegistryValues(const Services& services, ZoneCatalogue& catalogue,
                       const OSVERSIONINFO& OsVersion, const std::string& name,
                       std::int16_t index) {
  try {
    Entry(catalogue.KeyName, index) = name;
    const std::string path = std::string(CataloguePath(OsVersion)) + "\\" + name;
    Entry(catalogue.DisplayName, index) = GetString(services, kHkeyLocalMachine, path, "Display");
    Entry(catalogue.StdName, index) = GetString(services, kHkeyLocalMachine, path, "Std");
    Entry(catalogue.DltName, index) = GetString(services, kHkeyLocalMachine, path, "Dlt");
    const std::string b =
        ThisYearsRecord(services, path, GetString(services, kHkeyLocalMachine, path, "TZI"));

    zonetime::ZoneRuleRecord& rule = Entry(catalogue.ZoneRule, index);
    rule.Bias = SignedField(b, 0);
    rule.DaylightBias = SignedField(b, 8);
    rule.StandardMonth = static_cast<std::int16_t>(ByteAt(b, 14));
    rule.StandardWeek = static_cast<std::int16_t>(ByteAt(b, 18));
    rule.StandardHour = static_cast<std::int16_t>(ByteAt(b, 20));
    rule.StandardStart = zonetime::CalculateDate(services, rule.StandardMonth, rule.StandardWeek);
    rule.DaylightMonth = static_cast<std::int16_t>(ByteAt(b, 30));
    rule.DaylightWeek = static_cast<std::int16_t>(ByteAt(b, 34));
    rule.DaylightHour = static_cast<std::int16_t>(ByteAt(b, 36));
    rule.DaylightStart = zonetime::CalculateDate(services, rule.DaylightMonth, rule.DaylightWeek);
    rule.InDaylight = zonetime::CheckDaylightsaving(services, rule.StandardStart, rule.DaylightStart);
  } catch (const RunTimeError& error) {
    // The load goes on: this zone keeps what was read before the failure.
    ReportError(services.messages, error, "GetRegistryValues for " + name);
  }
}

}  // namespace tellux::catalogue
