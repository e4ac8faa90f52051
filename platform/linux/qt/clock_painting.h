#pragma once
// The program's icon as a drawing: a plain clock face. The build paints it
// into the icon files the desktop's menu shows and into the pixels of the
// window's own icon (clock_icon.h), so the two never differ.

class QPainter;

namespace tellux {

// Paints the clock into the square (0, 0, size, size) in device pixels.
// Below 32 pixels it shows only the quarter marks. Needs no application
// object, so a build tool can paint into an image or an SVG document.
void PaintClock(QPainter& painter, int size);

}  // namespace tellux
