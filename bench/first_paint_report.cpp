#include "bench/first_paint_report.h"

#include <time.h>

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cstdio>

namespace tellux {
namespace {

// Prints once, then takes itself off the window.
class FirstPaintWatcher final : public QObject {
 public:
  explicit FirstPaintWatcher(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Paint) {
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      std::printf("first-paint %lld\n",
                  static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
      std::fflush(stdout);
      window_.removeEventFilter(this);
    }
    return false;
  }

 private:
  QWidget& window_;
};

}  // namespace

void ReportFirstPaintIfAsked(QWidget& window) {
  if (qEnvironmentVariable("TELLUX_REPORT_FIRST_PAINT") != QLatin1String("1")) return;
  new FirstPaintWatcher(window);  // owned by the window
}

}  // namespace tellux
