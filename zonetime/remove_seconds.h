#pragma once
// Re-renders a time text in the user locale's general date form and cuts out
// its seconds: the second time separator and the two characters after it.
// A time of day whose cut text would not read back as its minute (a time form
// with words around its separators) gets the locale's short time instead.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/date_services.h"

namespace tellux::zonetime {

// Text in the general date form without its seconds; a text that doesn't read
// as a date or time is taken as it stands. CharPos is left holding the
// position of the second separator, or 0. Overflow when that position does
// not fit 16 bits. Has no trap of its own.
std::string RemoveSeconds(DateServices& dates, const std::string& TimeSeparator,
                          std::int16_t& CharPos, std::string_view Text);

}  // namespace tellux::zonetime
