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

namespace {

// The sRGB channel, 0..255, as linear light.
double Linear(unsigned channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(ColorRef color) {
  return 0.2126 * Linear(color & 0xFFu) + 0.7152 * Linear((color >> 8) & 0xFFu) +
         0.0722 * Linear((color >> 16) & 0xFFu);
}

}  // namespace

double ContrastRatio(ColorRef a, ColorRef b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColorRef ReadableTextColor(ColorRef background, ColorRef themeText) {
  if (ContrastRatio(background, themeText) >= kReadableContrast) return themeText;
  const ColorRef black = Rgb(0, 0, 0);
  const ColorRef white = Rgb(255, 255, 255);
  return ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
}

std::string AccessibleNameOf(const Control& control) {
  if (control.Kind() == ControlKind::kTextBox &&
      static_cast<const TextBox&>(control).BackColor() == frmTime::kLightYellow) {
    return control.accessibleName + ", daylight saving time";
  }
  return control.accessibleName;
}

SpinControl* SpinBeside(frmTime& form, const Control& box) {
  for (SpinControl& spin : form.UpDown) {
    if (spin.buddy == &box) return &spin;
  }
  return nullptr;
}

}  // namespace tellux::view
