#pragma once
// The colours a Qt text box is drawn in for the model's back colour: the
// theme's own for the window colour, so the box follows any theme and any
// change of it; any other colour as the box's Base in every colour group,
// with text in the theme's text colour where that reads on it (4.5 : 1) and
// else in black or white. A light yellow box under a dark theme gets black
// text rather than the theme's light text. Colour values are 0x00BBGGRR, as
// the model keeps them; nothing here fails.

#include <QPalette>

#include "platform/win_types.h"

class QWidget;

namespace tellux {

// The palette to give box for back colour color (a colour value, or a
// system colour, high bit set, which can only be the window's). Its text
// colour is measured against the palette box has from its theme.
QPalette BoxPalette(const QWidget& box, ColorRef color);

// Colour values as Qt's colours and back.
QColor ToQColor(ColorRef color);
ColorRef ToColorRef(const QColor& color);

}  // namespace tellux
