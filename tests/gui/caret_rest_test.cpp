// A window left open all day: once its boxes are left alone the caret stops
// blinking and stays drawn, and the user's next touch brings the blinking back
// at the desktop's rate, without overriding a desktop that does not blink.

#include "platform/linux/qt/caret_rest.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "tests/gui/caret_rest_probe.h"

namespace tellux {
namespace {

// Counts a box's paints: when nothing else changes, its caret's blinking.
class Paints final : public QObject {
 public:
  int count = 0;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return QObject::eventFilter(watched, event);
  }
};

class CaretRestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(&box);
    layout->addWidget(&other);
    rest = std::make_unique<CaretRest>();
    rest->Watch(box);
    rest->Watch(other);
    box.installEventFilter(&blinks);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.hasFocus(); }));
  }

  void TearDown() override {
    rest.reset();
    QGuiApplication::styleHints()->setCursorFlashTime(-1);
  }

  // Lets the rest come now rather than after kBlinkFor.
  void LeaveAlone() {
    CaretRestProbe::Timer(*rest).start(0);
    QTest::qWait(50);
  }

  int BlinksOver(int ms) {
    blinks.count = 0;
    QTest::qWait(ms);
    return blinks.count;
  }

  // Dark pixels where the caret stands in the empty box: the caret itself.
  int CaretPixels() {
    const QRect caret = box.inputMethodQuery(Qt::ImCursorRectangle).toRect().adjusted(-1, 0, 1, 0);
    const QImage image = box.grab().toImage();
    int dark = 0;
    for (int y = caret.top(); y <= caret.bottom(); ++y) {
      for (int x = caret.left(); x <= caret.right(); ++x) {
        if (image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 128) ++dark;
      }
    }
    return dark;
  }

  const int desktopRate = QGuiApplication::styleHints()->cursorFlashTime();
  QWidget window;
  QLineEdit box;
  QLineEdit other;
  Paints blinks;
  std::unique_ptr<CaretRest> rest;
};

TEST_F(CaretRestTest, LeftAloneTheCaretStopsBlinkingAndStaysDrawn) {
  ASSERT_GT(desktopRate, 0);
  EXPECT_EQ(CaretRestProbe::Timer(*rest).interval(), CaretRest::kBlinkFor.count());
  EXPECT_TRUE(CaretRestProbe::Timer(*rest).isActive()) << "the focus starts the wait";
  EXPECT_GE(BlinksOver(1200), 1);

  LeaveAlone();
  EXPECT_TRUE(rest->Resting());
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 0);
  EXPECT_EQ(BlinksOver(1200), 0);
  EXPECT_GT(CaretPixels(), 0);
}

TEST_F(CaretRestTest, AKeyAClickOrTheFocusBringsTheBlinkingBack) {
  LeaveAlone();
  ASSERT_TRUE(rest->Resting());
  QTest::keyClick(&box, Qt::Key_End);
  EXPECT_FALSE(rest->Resting());
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), desktopRate);
  EXPECT_TRUE(CaretRestProbe::Timer(*rest).isActive());
  EXPECT_GE(BlinksOver(1200), 1);

  LeaveAlone();
  QTest::mouseClick(&box, Qt::LeftButton);
  EXPECT_FALSE(rest->Resting());

  LeaveAlone();
  other.setFocus();
  EXPECT_FALSE(rest->Resting());
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), desktopRate);
}

TEST_F(CaretRestTest, ADesktopThatDoesNotBlinkKeepsItsSetting) {
  QGuiApplication::styleHints()->setCursorFlashTime(0);
  LeaveAlone();
  EXPECT_FALSE(rest->Resting());
  QTest::keyClick(&box, Qt::Key_End);
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 0);
}

TEST_F(CaretRestTest, EndingWhileRestingLeavesTheDesktopsRate) {
  LeaveAlone();
  ASSERT_TRUE(rest->Resting());
  rest.reset();
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), desktopRate);
}

}  // namespace
}  // namespace tellux
