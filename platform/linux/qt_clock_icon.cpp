#include "platform/linux/qt_clock_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tellux {
namespace {

// A point at angle degrees clockwise from twelve o'clock, radius r from centre.
QPointF OnDial(QPointF centre, double r, double degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  return {centre.x() + r * std::sin(a), centre.y() - r * std::cos(a)};
}

QPixmap DrawClock(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  PaintClock(p, size);
  return pixmap;
}

}  // namespace

void PaintClock(QPainter& p, int size) {
  p.setRenderHint(QPainter::Antialiasing);

  const double s = size;
  const QPointF centre(s / 2.0, s / 2.0);
  const double rim = s * 0.08;            // the case around the face
  const double face = s / 2.0 - rim / 2.0 - 0.5;

  // Deep teal case, warm white face.
  p.setPen(QPen(QColor(20, 92, 110), rim));
  p.setBrush(QColor(255, 250, 236));
  p.drawEllipse(centre, face, face);

  // Hour marks: all twelve when there is room, the quarters otherwise.
  const int step = size >= 32 ? 30 : 90;
  for (int deg = 0; deg < 360; deg += step) {
    const bool quarter = deg % 90 == 0;
    const double inner = face * (quarter ? 0.70 : 0.80);
    p.setPen(QPen(QColor(20, 92, 110), std::max(1.0, s * (quarter ? 0.07 : 0.04)), Qt::SolidLine,
                  Qt::RoundCap));
    p.drawLine(OnDial(centre, inner, deg), OnDial(centre, face * 0.88, deg));
  }

  // Three o'clock: an L that still reads as a clock at 16 pixels. The hour
  // hand is shorter and heavier, the minute hand orange.
  p.setPen(QPen(QColor(40, 40, 48), std::max(1.5, s * 0.09), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, OnDial(centre, face * 0.50, 90.0));
  p.setPen(QPen(QColor(226, 106, 22), std::max(1.0, s * 0.06), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, OnDial(centre, face * 0.78, 0.0));

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 48));
  p.drawEllipse(centre, s * 0.06, s * 0.06);
}

QIcon ClockIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) icon.addPixmap(DrawClock(size));
  return icon;
}

}  // namespace tellux
