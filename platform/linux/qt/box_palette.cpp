#include "platform/linux/qt/box_palette.h"

#include <QApplication>
#include <QWidget>

#include "window/view_rules.h"

namespace tellux {

QColor ToQColor(ColorRef color) {
  return {static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
          static_cast<int>((color >> 16) & 0xFFu)};
}

ColorRef ToColorRef(const QColor& color) {
  const QColor rgb = color.toRgb();
  return Rgb(static_cast<unsigned>(rgb.red()), static_cast<unsigned>(rgb.green()),
             static_cast<unsigned>(rgb.blue()));
}

QPalette BoxPalette(const QWidget& box, ColorRef color) {
  // No colour of its own: the box takes whatever its theme has, now and
  // after any change of theme.
  if ((color & 0x80000000u) != 0) return {};
  const QPalette theme = QApplication::palette(&box);
  QPalette palette;
  const QColor back = ToQColor(color);
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, back);
    const ColorRef text =
        view::ReadableTextColor(color, ToColorRef(theme.color(group, QPalette::Text)));
    palette.setColor(group, QPalette::Text, ToQColor(text));
  }
  return palette;
}

}  // namespace tellux
