// The window icon is drawn at the sizes the title bar and task bar ask for.

#include "platform/linux/qt_clock_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

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

}  // namespace
}  // namespace tellux
