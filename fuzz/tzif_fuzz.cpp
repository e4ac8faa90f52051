// Any bytes as a compiled zone file: reading never fails badly, and a rule
// it gives goes on through parsing into a zone record as the catalogue
// takes it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/linux/tzdb/posix_tz_rule.h"
#include "platform/linux/tzdb/tzif_file.h"
#include "platform/linux/tzdb/windows_tzi_record.h"
#include "platform/linux/zones/catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tellux::zoneinfo;
  using tellux::fuzz::Check;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> rule = TzifRule(bytes);
  if (!rule) return 0;
  Check(bytes.substr(0, 4) == "TZif", "a rule from what is no zone file");
  Check(!rule->empty(), "an empty rule");
  Check(rule->find('\n') == std::string::npos, "a rule that runs past its line");
  Check(rule->size() < size, "a rule longer than its file");
  (void)ZoneFileHash(bytes);
  if (const std::optional<PosixTzRule> parsed = ParsePosixTz(*rule)) {
    Check(TziBytes(TziFromRule(WithDaylightAhead(*parsed))).size() == 44,
          "a record that is not 44 bytes");
  }
  return 0;
}
