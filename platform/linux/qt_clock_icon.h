#pragma once
// The program's icon: a plain clock face drawn with QPainter at start-up, at
// 16, 32, 48 and 64 pixels. The same drawing makes the icon files the
// desktop's menu shows, so the two never differ.

#include <QIcon>

class QPainter;

namespace tellux {

// Needs a QGuiApplication.
QIcon ClockIcon();

// Paints the clock into the square (0, 0, size, size) in device pixels.
// Below 32 pixels it shows only the quarter marks. Needs no application
// object, so a build tool can paint into an image or an SVG document.
void PaintClock(QPainter& painter, int size);

}  // namespace tellux
