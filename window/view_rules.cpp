#include "window/view_rules.h"

#include <cmath>

#include "window/frm_time.h"

namespace tellux::view {

int TwipsToPixels(int twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

PixelEdges ScaleEdges(const TwipsRect& bounds, int dpiX, int dpiY) {
  return {TwipsToPixels(bounds.left, dpiX), TwipsToPixels(bounds.top, dpiY),
          TwipsToPixels(bounds.left + bounds.width, dpiX),
          TwipsToPixels(bounds.top + bounds.height, dpiY)};
}

TwipsRect InitialClientArea() { return {0, 0, frmTime::kClientWidth, frmTime::kClientHeight}; }

int ItemsToKeep(int shown, int modelCount) { return shown > modelCount ? 0 : shown; }

std::size_t CaretAfterRewrite(std::size_t caret, std::size_t newLength) {
  return std::min(caret, newLength);
}

}  // namespace tellux::view
