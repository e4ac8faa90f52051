#include "platform/linux/qt/clock_icon.h"

#include <QImage>
#include <QPixmap>

#include "platform/linux/qt/clock_icon_pixels.h"

namespace tellux {

QIcon ClockIcon() {
  // Painting the four sizes with antialiasing took more of the start than
  // anything else in the window; the build has done it once.
  QIcon icon;
  for (const ClockIconImage& image : kClockIconImages) {
    const QImage pixels(reinterpret_cast<const uchar*>(image.pixels), image.size, image.size,
                        image.size * 4, QImage::Format_ARGB32_Premultiplied);
    icon.addPixmap(QPixmap::fromImage(pixels));
  }
  return icon;
}

}  // namespace tellux
