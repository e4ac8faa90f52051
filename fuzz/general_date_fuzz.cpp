// Any text read in the general date form of a few real locales: reading
// never fails badly, and what it reads is written and read back as the same
// value.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/linux/locale/icu_date_services.h"

namespace {

tellux::IcuDateServices& Dates(int choice) {
  static std::unique_ptr<tellux::IcuDateServices> dates[] = {
      std::make_unique<tellux::IcuDateServices>("en_US"),
      std::make_unique<tellux::IcuDateServices>("de_DE"),
      std::make_unique<tellux::IcuDateServices>("fi_FI"),
      std::make_unique<tellux::IcuDateServices>("ko_KR")};
  return *dates[choice];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  tellux::IcuDateServices& dates = Dates(data[0] & 3);
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto value = dates.ReadGeneralDate(text);
  if (!value) return 0;
  tellux::fuzz::Check(std::isfinite(*value), "a date value that is not a number");
  const std::string written = dates.FormatGeneralDate(*value);
  tellux::fuzz::Check(!written.empty(), "a date read but not written");
  const auto again = dates.ReadGeneralDate(written);
  tellux::fuzz::Check(again.has_value(), "a written date does not read");
  tellux::fuzz::Check(std::fabs(*again - *value) < 0.5 / 86400.0, "a date reads back differently");
  return 0;
}
