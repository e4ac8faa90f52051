// Error messages appear as a modal box with the program's title and an OK
// button, even before the window is there, and the program waits for OK.

#include "platform/linux/qt_message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace tellux {
namespace {

struct SeenBox {
  bool seen = false;
  QString title;
  QString text;
  int buttons = 0;
  bool okIsTheButton = false;
};

TEST(QtMessageBox, ShowsTextAndCaptionWithOkAloneAndWaitsForIt) {
  SeenBox seen;
  // Runs once the box is up and the program is waiting in it.
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen.seen = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.buttons = static_cast<int>(box->buttons().size());
    seen.okIsTheButton = box->button(QMessageBox::Ok) != nullptr;
    box->button(QMessageBox::Ok)->click();
  });

  QtMessageBox messages;
  messages.Show("Can't find Timezone information in registry", "Tellux Time");

  ASSERT_TRUE(seen.seen);
  EXPECT_EQ(seen.title, "Tellux Time");
  EXPECT_EQ(seen.text, "Can't find Timezone information in registry");
  EXPECT_EQ(seen.buttons, 1);
  EXPECT_TRUE(seen.okIsTheButton);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(QtMessageBox, ShowsNamesAsPlainText) {
  QString text;
  QTimer::singleShot(0, [&text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    text = box->text();
    box->button(QMessageBox::Ok)->click();
  });

  QtMessageBox messages;
  messages.Show("<b>Zone</b> \xC3\x9C" "ber", "Tellux Time");

  EXPECT_EQ(text, QString::fromUtf8("<b>Zone</b> \xC3\x9C" "ber"));
}

}  // namespace
}  // namespace tellux
