#include "platform/linux/qt/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace tellux {
namespace {

QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void QtMessageBox::Show(std::string_view text, std::string_view caption) {
  QMessageBox box(QMessageBox::NoIcon, ToQString(caption), ToQString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);  // a zone name is text, never markup
  box.exec();
}

}  // namespace tellux
