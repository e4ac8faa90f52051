#pragma once
// What a user of any locale does with the panels, checked on whatever locale
// services the window runs on: the seeded texts typed back, each hour of the
// day written by the locale and typed in, the box left (which cuts the
// seconds), and the hour stepped up and down. Every panel must then show the
// same instant, and the typed panel the time meant.

#include <string>

#include "platform/locale.h"
#include "window/frm_time.h"

namespace tellux::testing {

// form has been loaded and has ticked once; locale is the one it formats
// with. Returns what went wrong first, or empty.
std::string LocaleRoundTrip(frmTime& form, Locale& locale);

}  // namespace tellux::testing
