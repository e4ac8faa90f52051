// Any bytes as a stored zone catalogue: reading never fails badly, and a
// catalogue it takes is one a build could have made, which stores and reads
// back whole. Date patterns stored with it, whatever they say, make date
// services that fail cleanly or work.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/linux/locale/icu_date_services.h"
#include "platform/linux/tzdb/windows_record_name.h"
#include "platform/linux/zones/catalogue_cache.h"

namespace {

bool InsideTheFolder(std::string_view name) {
  if (name.empty() || name.front() == '/') return false;
  for (std::size_t at = 0; at <= name.size();) {
    const std::size_t end = std::min(name.find('/', at), name.size());
    const std::string_view part = name.substr(at, end - at);
    if (part.empty() || part == "." || part == "..") return false;
    at = end + 1;
  }
  return true;
}

// The input with its header's length and sum made right (magic, format:
// 12 bytes; length, sum: 8 each), so that mutations reach the contents.
std::string Summed(std::string_view bytes) {
  std::string fixed(bytes);
  if (fixed.size() < 28) return fixed;
  const std::uint64_t length = fixed.size() - 28;
  const std::uint64_t sum = tellux::zoneinfo::ZoneFileHash(std::string_view(fixed).substr(28));
  for (int i = 0; i < 8; ++i) {
    fixed[12 + static_cast<std::size_t>(i)] = static_cast<char>(length >> (8 * i));
    fixed[20 + static_cast<std::size_t>(i)] = static_cast<char>(sum >> (8 * i));
  }
  return fixed;
}

void TakeAsStored(std::string_view bytes) {
  using namespace tellux::zoneinfo;
  using tellux::fuzz::Check;
  // No such folder: every stamp a store can hold for it says "absent".
  const CatalogueOrigin origin{"fuzz", "en_US", "/nonexistent/zoneinfo", 1796000000};
  std::optional<tellux::DatePatterns> patterns;
  const std::unique_ptr<TzCatalogue> c = CatalogueFromBytes(bytes, origin, &patterns);
  if (!c) return;
  if (patterns) {
    tellux::IcuDateServices dates(origin.localeName, patterns);
    const std::string written = dates.FormatGeneralDate(45000.5);
    (void)dates.ReadGeneralDate(written);
    (void)dates.ReadGeneralDate("3/15/2024 2:35:20 PM");
    (void)dates.FormatShortTime(0.25);
  }
  for (const TzCatalogueEntry& e : c->Entries()) {
    Check(c->Find(e.windowsId) == &e, "an entry Find does not find");
    Check(e.tziBytes.size() == 44, "a record that is not 44 bytes");
    Check(Utf16Length(e.standardName) <= kRecordNameUnits, "a Std too long for the record");
    Check(Utf16Length(e.daylightName) <= kRecordNameUnits, "a Dlt too long for the record");
    Check(InsideTheFolder(e.zoneName), "a zone file outside the folder");
    for (std::size_t i = 1; i < e.yearRecords.size(); ++i) {
      Check(e.yearRecords[i - 1].year < e.yearRecords[i].year, "years out of order");
    }
  }
  // Stored again (as built now), it is taken back whole.
  const std::string again = CatalogueBytes(*c, origin, patterns);
  std::optional<tellux::DatePatterns> patternsBack;
  const std::unique_ptr<TzCatalogue> back = CatalogueFromBytes(again, origin, &patternsBack);
  Check(back != nullptr && CatalogueBytes(*back, origin, patternsBack) == again,
        "a catalogue that does not store");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TakeAsStored(bytes);
  TakeAsStored(Summed(bytes));
  return 0;
}
