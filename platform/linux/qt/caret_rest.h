#pragma once
// Lets the text caret stop blinking once the user has left the window's text
// boxes alone for a while, as GTK applications do (gtk-cursor-blink-timeout,
// 10 s by default): the caret stays drawn, and a window left open all day no
// longer wakes twice a second to redraw it. A key, a click or the focus coming
// to a watched box starts it blinking again at the desktop's rate. Qt's blink
// rate is one setting for the whole application, so one rest serves every box;
// a desktop that does not blink is left alone.

#include <QObject>
#include <QTimer>
#include <chrono>

class QWidget;

namespace tellux {

class CaretRest final : public QObject {
 public:
  // How long the caret blinks after the user's last key, click or focus.
  static constexpr std::chrono::milliseconds kBlinkFor{10'000};

  explicit CaretRest(QObject* parent = nullptr);
  CaretRest(const CaretRest&) = delete;
  CaretRest& operator=(const CaretRest&) = delete;
  ~CaretRest() override;  // leaves the desktop's rate in place

  // Input to this widget starts the blinking again.
  void Watch(QWidget& box);

  // True while this has stopped the blinking.
  bool Resting() const { return resting_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend struct CaretRestProbe;  // tests shorten the wait
  void Rest();
  void Wake();

  QTimer rest_;
  bool resting_ = false;
};

}  // namespace tellux
