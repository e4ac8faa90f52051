#include "platform/linux/qt/caret_rest.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>

namespace tellux {

CaretRest::CaretRest(QObject* parent) : QObject(parent) {
  rest_.setSingleShot(true);
  rest_.setInterval(kBlinkFor);
  connect(&rest_, &QTimer::timeout, this, [this] { Rest(); });
}

CaretRest::~CaretRest() {
  if (resting_) QGuiApplication::styleHints()->setCursorFlashTime(-1);
}

void CaretRest::Watch(QWidget& box) { box.installEventFilter(this); }

bool CaretRest::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::InputMethod:
      Wake();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void CaretRest::Rest() {
  QStyleHints* hints = QGuiApplication::styleHints();
  // Zero or less: the desktop (or the user) wants no blinking; nothing to stop.
  // (Only the wait calls this, and a wake restarts the wait.)
  if (hints->cursorFlashTime() <= 0) return;
  // A rate of 0 makes every line edit drop its blink timer and draw the
  // caret shown.
  hints->setCursorFlashTime(0);
  resting_ = true;
}

void CaretRest::Wake() {
  if (resting_) {
    // -1 drops the application's own rate: the desktop's applies again.
    QGuiApplication::styleHints()->setCursorFlashTime(-1);
    resting_ = false;
  }
  rest_.start();
}

}  // namespace tellux
