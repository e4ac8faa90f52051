#pragma once
// Tests reach the rest's wait to let the rest come at once.

#include "platform/linux/qt/caret_rest.h"

namespace tellux {

struct CaretRestProbe {
  static QTimer& Timer(CaretRest& rest) { return rest.rest_; }
};

}  // namespace tellux
