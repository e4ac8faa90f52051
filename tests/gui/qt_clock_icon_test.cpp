// The window icon is the clock's drawing at the sizes the title bar and task
// bar ask for.

#include "platform/linux/qt/clock_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "platform/linux/qt/clock_painting.h"

namespace tellux {
namespace {

TEST(ClockIcon, IsDrawnAtTitleBarAndTaskBarSizes) {
  const QIcon icon = ClockIcon();
  for (const int size : {16, 32}) {
    SCOPED_TRACE(size);
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    const QImage image = icon.pixmap(size, size).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    // A round face: painted in the middle, transparent in the corners.
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 4)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  }
}

TEST(ClockIcon, HoldsWhatTheClocksDrawingPaintsNow) {
  // The pixels come from the build; a change to the drawing that did not
  // reach them would show here.
  const QIcon icon = ClockIcon();
  for (const int size : {16, 32, 48, 64}) {
    SCOPED_TRACE(size);
    QImage painted(size, size, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    {
      QPainter painter(&painted);
      PaintClock(painter, size);
    }
    const QImage shown =
        icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(shown, painted);
  }
}

}  // namespace
}  // namespace tellux
