#pragma once
// The user locale's general date form from the system's OLE automation
// conversions (VarDateFromStr, VarBstrFromDate with LOCALE_USER_DEFAULT) and,
// for times VarDateFromStr does not read, the locale's time pictures. An
// OLE DATE is our date value: days since 1899-12-30, the time as fraction.

#include "platform/date_services.h"

namespace tellux::win32 {

class OleDateServices final : public DateServices {
 public:
  std::optional<double> ReadGeneralDate(std::string_view text) override;
  // Empty when the system cannot write the value (out of its date range).
  std::string FormatGeneralDate(double date) override;
  // GetTimeFormatW with the user locale's short time picture.
  std::string FormatShortTime(double date) override;
};

}  // namespace tellux::win32
