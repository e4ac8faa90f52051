// Error messages appear as a modal box with the program's title and an OK
// button, even before the window is there, and the program waits for OK.

#include "platform/linux/qt/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace tellux {
namespace {

struct SeenBox {
  bool seen = false;
  QString title;
  QString text;
  bool plainText = false;
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
    seen.plainText = box->textFormat() == Qt::PlainText;
    seen.buttons = static_cast<int>(box->buttons().size());
    seen.okIsTheButton = box->button(QMessageBox::Ok) != nullptr;
    box->button(QMessageBox::Ok)->click();
  });

  QtMessageBox messages;
  // A zone name is shown as it is, never read as markup.
  messages.Show("<b>Zone</b> \xC3\x9C" "ber in Form_Load", "Tellux Time");

  ASSERT_TRUE(seen.seen);
  EXPECT_EQ(seen.title, "Tellux Time");
  EXPECT_EQ(seen.text, QString::fromUtf8("<b>Zone</b> \xC3\x9C" "ber in Form_Load"));
  EXPECT_TRUE(seen.plainText);
  EXPECT_EQ(seen.buttons, 1);
  EXPECT_TRUE(seen.okIsTheButton);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace tellux
