#include "platform/checked16.h"

#include <cmath>
#include <limits>

#include "platform/run_time_error.h"

namespace tellux::checked16 {

std::int16_t Narrow(long long v) {
  if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max()) {
    throw RunTimeError::Overflow();
  }
  return static_cast<std::int16_t>(v);
}

std::int16_t Round(double v) {
  // nearbyint under the default rounding mode rounds halves to even.
  const double r = std::nearbyint(v);
  if (!(r >= -32768.0 && r <= 32767.0)) throw RunTimeError::Overflow();
  return static_cast<std::int16_t>(r);
}

}  // namespace tellux::checked16

namespace tellux::checked16 {

std::int16_t RoundSaturated(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);
  if (r < -32768.0) return -32768;
  if (r > 32767.0) return 32767;
  return static_cast<std::int16_t>(r);
}

}  // namespace tellux::checked16
