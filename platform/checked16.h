#pragma once
// The window's working integers are signed 16-bit. A value that leaves that
// range is an Overflow run-time error, never a wrap; every narrowing to 16
// bits goes through here.

#include <cstdint>

namespace tellux::checked16 {

// v as a 16-bit integer; Overflow outside -32768..32767.
std::int16_t Narrow(long long v);

// v rounded to the nearest integer, halves to the even neighbour, as a 16-bit
// integer; Overflow outside the range or for a NaN.
std::int16_t Round(double v);

}  // namespace tellux::checked16

namespace tellux::checked16 {

// v rounded as Round does, but a value outside the range becomes the nearest
// end of it (a NaN becomes 0): for input that is checked for range afterwards
// and must never fail.
std::int16_t RoundSaturated(double v);

}  // namespace tellux::checked16
