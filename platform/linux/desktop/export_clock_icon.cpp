// Build tool: writes the program's clock icon as the icon theme files the
// desktop's menu and task bar use, painted by the same code as the window's
// own icon:
//   <out>/hicolor/<n>x<n>/apps/<name>.png  for n = 16, 32, 48, 64, 128, 256
//   <out>/hicolor/scalable/apps/<name>.svg
// Usage: tellux-export-clock-icon OUT_DIR ICON_NAME. Exit status 0 when
// every file was written, 1 otherwise (with a message on stderr).

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>
#include <cstdio>

#include "platform/linux/qt_clock_icon.h"

namespace {

// The scalable icon is the large drawing, with all twelve hour marks.
constexpr int kSvgSize = 256;

bool Fail(const QString& what) {
  std::fprintf(stderr, "tellux-export-clock-icon: %s\n", qPrintable(what));
  return false;
}

QString ThemeDir(const QString& out, const QString& sizeDir) {
  return out + QStringLiteral("/hicolor/") + sizeDir + QStringLiteral("/apps");
}

bool WritePng(const QString& out, const QString& name, int size) {
  const QString dir = ThemeDir(out, QStringLiteral("%1x%1").arg(size));
  if (!QDir().mkpath(dir)) return Fail(QStringLiteral("cannot make ") + dir);
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    tellux::PaintClock(painter, size);
  }
  const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".png");
  return image.save(file, "PNG") || Fail(QStringLiteral("cannot write ") + file);
}

bool WriteSvg(const QString& out, const QString& name) {
  const QString dir = ThemeDir(out, QStringLiteral("scalable"));
  if (!QDir().mkpath(dir)) return Fail(QStringLiteral("cannot make ") + dir);
  const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".svg");
  QSvgGenerator svg;
  svg.setFileName(file);
  svg.setSize(QSize(kSvgSize, kSvgSize));
  svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
  svg.setTitle(QStringLiteral("Tellux Time"));
  QPainter painter;
  if (!painter.begin(&svg)) return Fail(QStringLiteral("cannot write ") + file);
  tellux::PaintClock(painter, kSvgSize);
  return painter.end() || Fail(QStringLiteral("cannot finish ") + file);
}

}  // namespace

int main(int argc, char** argv) {
  // No window is shown; a display is neither needed nor used.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: tellux-export-clock-icon OUT_DIR ICON_NAME\n");
    return 1;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  bool ok = WriteSvg(out, name);
  for (const int size : {16, 32, 48, 64, 128, 256}) ok = WritePng(out, name, size) && ok;
  return ok ? 0 : 1;
}
