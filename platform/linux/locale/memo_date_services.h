#pragma once
// DateServices that remember what another DateServices read and wrote: the
// panels read back and rewrite the times the clock has just formatted, often
// the same ones. Each call is keyed by its whole input (the text, or the date
// value's exact bits); the locale is the inner service's own, so one memo
// serves one locale. At most `capacity` answers per call are kept; when full,
// that memory starts afresh. Clear() whenever the inner service's locale
// changes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/date_services.h"

namespace tellux {

class MemoDateServices final : public DateServices {
 public:
  // inner must outlive this.
  explicit MemoDateServices(DateServices& inner, std::size_t capacity = 64);

  std::optional<double> ReadGeneralDate(std::string_view text) override;
  std::string FormatGeneralDate(double date) override;
  std::string FormatShortTime(double date) override;

  void Clear();

 private:
  DateServices& inner_;
  std::size_t capacity_;
  std::unordered_map<std::string, std::optional<double>> reads_;
  std::unordered_map<std::uint64_t, std::string> generalDates_;
  std::unordered_map<std::uint64_t, std::string> shortTimes_;
};

}  // namespace tellux
