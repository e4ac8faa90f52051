#include "platform/linux/qt/clock_painting.h"

#include <QPainter>
#include <algorithm>

namespace tellux {
namespace {

// A point at an hour's place on the dial (0 at twelve o'clock, 3 at three),
// radius r from centre. The twelve places come from a table: std::sin and
// std::cos would bring some 250 kB of libm's tables into memory for them.
QPointF AtHour(QPointF centre, double r, int hour) {
  static constexpr double kSines[] = {0.0, 0.5, 0.8660254037844386, 1.0};  // 0, 30, 60, 90 degrees
  const auto sine = [](int h) {
    h %= 12;
    const double v = kSines[h <= 3 ? h : h <= 6 ? 6 - h : h <= 9 ? h - 6 : 12 - h];
    return h <= 6 ? v : -v;
  };
  return {centre.x() + r * sine(hour), centre.y() - r * sine(hour + 3)};
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
  const int step = size >= 32 ? 1 : 3;
  for (int hour = 0; hour < 12; hour += step) {
    const bool quarter = hour % 3 == 0;
    const double inner = face * (quarter ? 0.70 : 0.80);
    p.setPen(QPen(QColor(20, 92, 110), std::max(1.0, s * (quarter ? 0.07 : 0.04)), Qt::SolidLine,
                  Qt::RoundCap));
    p.drawLine(AtHour(centre, inner, hour), AtHour(centre, face * 0.88, hour));
  }

  // Three o'clock: an L that still reads as a clock at 16 pixels. The hour
  // hand is shorter and heavier, the minute hand orange.
  p.setPen(QPen(QColor(40, 40, 48), std::max(1.5, s * 0.09), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, AtHour(centre, face * 0.50, 3));
  p.setPen(QPen(QColor(226, 106, 22), std::max(1.0, s * 0.06), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, AtHour(centre, face * 0.78, 0));

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 48));
  p.drawEllipse(centre, s * 0.06, s * 0.06);
}

}  // namespace tellux
