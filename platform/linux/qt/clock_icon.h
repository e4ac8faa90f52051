#pragma once
// The window's icon: the clock (clock_painting.h) at 16, 32, 48 and 64
// pixels, painted when the program was built rather than at every start.

#include <QIcon>

namespace tellux {

// Needs a QGuiApplication.
QIcon ClockIcon();

}  // namespace tellux
