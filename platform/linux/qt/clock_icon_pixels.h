#pragma once
// The clock icon's pixels, painted by the build (tellux-export-clock-icon
// --pixels writes the definition): one square image per size the window
// offers, premultiplied ARGB as 32-bit values (QImage's
// Format_ARGB32_Premultiplied), row by row from the top.

#include <array>
#include <cstdint>

namespace tellux {

struct ClockIconImage {
  int size;                     // pixels, width and height
  const std::uint32_t* pixels;  // size * size of them
};

extern const std::array<ClockIconImage, 4> kClockIconImages;

}  // namespace tellux
