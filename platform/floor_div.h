#pragma once
// Integer division rounded toward minus infinity, for splitting signed
// seconds or minutes into whole days or hours with a remainder that is never
// negative: FloorDiv(-1, 60) is -1, where a / b gives 0. b must not be 0.

#include <cstdint>

namespace tellux {

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace tellux
