// The icon files the desktop's menu shows are the window's own icon: the
// same drawing at every size the program draws, and a scalable version that
// renders as the large drawing does.

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>

#include "platform/linux/qt/clock_icon.h"

namespace tellux {
namespace {

QString ThemeFile(const QString& sizeDir, const char* suffix) {
  return QStringLiteral(TELLUX_ICON_THEME_DIR "/") + sizeDir + QStringLiteral("/apps/") +
         QStringLiteral(TELLUX_APP_ID) + QLatin1String(suffix);
}

QImage ThemePng(int size) {
  return QImage(ThemeFile(QStringLiteral("%1x%1").arg(size), ".png"))
      .convertToFormat(QImage::Format_ARGB32);
}

struct Difference {
  int largest = 0;  // of any channel of any pixel
  int pixelsOver8 = 0;
};

// Images of the same size, in Format_ARGB32.
Difference Compare(const QImage& a, const QImage& b) {
  Difference d;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      int pixel = 0;
      for (const int c : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q),
                          qAlpha(p) - qAlpha(q)}) {
        pixel = std::max(pixel, std::abs(c));
      }
      d.largest = std::max(d.largest, pixel);
      if (pixel > 8) ++d.pixelsOver8;
    }
  }
  return d;
}

TEST(ClockIconFiles, MenuIconIsTheWindowIconAtEverySizeTheWindowDraws) {
  const QIcon icon = ClockIcon();
  for (const int size : {16, 32, 48, 64}) {
    SCOPED_TRACE(size);
    const QImage file = ThemePng(size);
    ASSERT_EQ(file.size(), QSize(size, size));
    const QImage shown = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), QSize(size, size));
    // Both are the one drawing; only premultiplied rounding may differ.
    EXPECT_LE(Compare(file, shown).largest, 1);
  }
}

TEST(ClockIconFiles, LargeSizesAreRoundFacesOfTheirNominalSize) {
  for (const int size : {128, 256}) {
    SCOPED_TRACE(size);
    const QImage file = ThemePng(size);
    ASSERT_EQ(file.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(file.pixel(size / 2, size / 4)), 255);
    EXPECT_EQ(qAlpha(file.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(file.pixel(size - 1, size - 1)), 0);
  }
}

TEST(ClockIconFiles, ScalableIconRendersAsTheLargeDrawing) {
  QSvgRenderer svg(ThemeFile(QStringLiteral("scalable"), ".svg"));
  ASSERT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox(), QRect(0, 0, 256, 256));

  QImage rendered(256, 256, QImage::Format_ARGB32_Premultiplied);
  rendered.fill(Qt::transparent);
  {
    QPainter painter(&rendered);
    svg.render(&painter);
  }
  const QImage png = ThemePng(256);
  ASSERT_EQ(png.size(), QSize(256, 256));
  // Another renderer may antialias a few edge pixels differently (Qt's two
  // agree exactly today); a moved hand or a changed colour is hundreds.
  const Difference d = Compare(rendered.convertToFormat(QImage::Format_ARGB32), png);
  EXPECT_LE(d.pixelsOver8, 64);
}

}  // namespace
}  // namespace tellux
