// Any text as a POSIX TZ rule (a zone file's footer or the TZ variable):
// parsing never fails badly, and a rule it accepts stays within the ranges
// the catalogue's records are made from.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/linux/tzdb/posix_tz_rule.h"
#include "platform/linux/tzdb/windows_tzi_record.h"

namespace {

using namespace tellux::zoneinfo;

constexpr std::int32_t kHour = 3600;

// Offsets are written up to 24:59:59; a daylight offset left out is one hour
// less than the standard one.
bool OffsetInRange(std::int32_t seconds, std::int32_t hours) {
  return seconds > -hours * kHour && seconds < hours * kHour;
}

bool TransitionInRange(const PosixTransition& t) {
  return t.month >= 1 && t.month <= 12 && t.week >= 1 && t.week <= 5 && t.weekday >= 0 &&
         t.weekday <= 6 && t.time > -168 * kHour && t.time < 168 * kHour;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<PosixTzRule> rule = ParsePosixTz(text);
  if (!rule) return 0;
  using tellux::fuzz::Check;
  Check(rule->standardAbbreviation.size() >= 3, "a standard name shorter than three letters");
  Check(OffsetInRange(rule->standardOffset, 25), "a standard offset out of range");
  if (rule->hasDaylight) {
    Check(rule->daylightAbbreviation.size() >= 3, "a daylight name shorter than three letters");
    Check(OffsetInRange(rule->daylightOffset, 26), "a daylight offset out of range");
    Check(TransitionInRange(rule->daylightStart), "a start of daylight saving out of range");
    Check(TransitionInRange(rule->daylightEnd), "an end of daylight saving out of range");
  }
  const PosixTzRule ahead = WithDaylightAhead(*rule);
  Check(!ahead.hasDaylight || ahead.daylightOffset <= ahead.standardOffset,
        "daylight time left behind standard time");
  Check(WithDaylightAhead(ahead) == ahead, "turning a rule around twice changed it");
  const TziRecord tzi = TziFromRule(*rule);
  Check(TziBytes(tzi).size() == 44, "a zone record that is not 44 bytes");
  Check(tzi.Bias >= -25 * 60 && tzi.Bias <= 25 * 60, "a bias out of range");
  if (tzi.DaylightDate.wMonth != 0) {
    Check(tzi.DaylightDate.wMonth <= 12 && tzi.StandardDate.wMonth >= 1 &&
              tzi.StandardDate.wMonth <= 12 && tzi.DaylightDate.wDay >= 1 &&
              tzi.DaylightDate.wDay <= 5 && tzi.DaylightDate.wHour <= 23 &&
              tzi.StandardDate.wHour <= 23,
          "a yearly change the record cannot hold");
  }
  return 0;
}
