// Build tool: paints the program's clock icon (qt/clock_painting.h) as the
// icon theme files the desktop's menu and task bar use,
//   <out>/hicolor/<n>x<n>/apps/<name>.png  for n = 16, 32, 48, 64, 128, 256
//   <out>/hicolor/scalable/apps/<name>.svg
// or, with --pixels, as the C++ definition of the window's icon pixels
// (qt/clock_icon_pixels.h).
// Usage: tellux-export-clock-icon OUT_DIR ICON_NAME
//        tellux-export-clock-icon --pixels OUT_FILE.cpp
// Exit status 0 when every file was written, 1 otherwise (with a message on
// stderr).

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>
#include <cstdio>

#include "platform/linux/qt/clock_painting.h"

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

QImage Painted(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    tellux::PaintClock(painter, size);
  }
  return image;
}

bool WritePng(const QString& out, const QString& name, int size) {
  const QString dir = ThemeDir(out, QStringLiteral("%1x%1").arg(size));
  if (!QDir().mkpath(dir)) return Fail(QStringLiteral("cannot make ") + dir);
  const QImage image = Painted(size);
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

// The window's sizes, in the order clock_icon_pixels.h declares.
bool WritePixels(const QString& file) {
  QByteArray text =
      "// Painted by tellux-export-clock-icon --pixels; see clock_icon_pixels.h.\n"
      "#include \"platform/linux/qt/clock_icon_pixels.h\"\n\n"
      "namespace tellux {\nnamespace {\n";
  const int sizes[] = {16, 32, 48, 64};
  for (const int size : sizes) {
    const QImage image = Painted(size);
    text += "const std::uint32_t kPixels" + QByteArray::number(size) + "[] = {";
    for (int y = 0; y < size; ++y) {
      const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
      for (int x = 0; x < size; ++x) {
        text += (x % 8 == 0 ? "\n    0x" : " 0x") + QByteArray::number(row[x], 16) + "u,";
      }
    }
    text += "\n};\n";
  }
  text += "}  // namespace\n\nconst std::array<ClockIconImage, 4> kClockIconImages = {{\n";
  for (const int size : sizes) {
    text += "    {" + QByteArray::number(size) + ", kPixels" + QByteArray::number(size) + "},\n";
  }
  text += "}};\n\n}  // namespace tellux\n";
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size()) {
    return Fail(QStringLiteral("cannot write ") + file);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // No window is shown; a display is neither needed nor used.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr,
                 "usage: tellux-export-clock-icon OUT_DIR ICON_NAME\n"
                 "       tellux-export-clock-icon --pixels OUT_FILE.cpp\n");
    return 1;
  }
  if (qstrcmp(argv[1], "--pixels") == 0) {
    return WritePixels(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  bool ok = WriteSvg(out, name);
  for (const int size : {16, 32, 48, 64, 128, 256}) ok = WritePng(out, name, size) && ok;
  return ok ? 0 : 1;
}
