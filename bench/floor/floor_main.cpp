// The measuring stick for the program's running costs: a bare Qt 6 window
// with the same widgets at the same places (the window's layout table), the
// same 8-point font, four lists of 140 texts, and a one-second timer that
// sets the caption and six texts. It has none of the program's logic, zone
// data or ICU; what the program costs beyond this is the program's own.
//
// Its caret blinks as long as it has the focus, as any bare Qt window's does.
// With --caret-rest it lets the caret rest as the program does, so the two
// differ only in their ticks.

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench/first_paint_report.h"
#include "platform/linux/qt/caret_rest.h"
#include "window/frm_time.h"
#include "window/frm_time_layout.h"

namespace {

constexpr int kZones = 140;

int Pixels(int twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

QRect PixelRect(const QWidget& window, const tellux::TwipsRect& b) {
  const int dpiX = window.logicalDpiX();
  const int dpiY = window.logicalDpiY();
  const int left = Pixels(b.left, dpiX);
  const int top = Pixels(b.top, dpiY);
  return {left, top, Pixels(b.left + b.width, dpiX) - left, Pixels(b.top + b.height, dpiY) - top};
}

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tellux Floor");
  const bool caretRest = QApplication::arguments().contains(QStringLiteral("--caret-rest"));
  tellux::CaretRest rest;

  QWidget window;
  QFont small = window.font();
  small.setPointSize(8);
  window.setFont(small);
  auto* options = new QButtonGroup(&window);

  QStringList zones;
  for (int i = 0; i < kZones; ++i) {
    zones << QStringLiteral("(UTC%1%2:00) Zone number %3 (Example City)")
                 .arg(i % 2 != 0 ? '-' : '+')
                 .arg(i % 13, 2, 10, QLatin1Char('0'))
                 .arg(i);
  }

  QGroupBox* frame = nullptr;
  std::map<std::string, QLineEdit*> edits;
  // The keyboard goes where the program's goes: tab stops in their order,
  // so the same box holds the focus (and blinks its caret) when the window
  // opens.
  std::vector<std::pair<int, QWidget*>> stops;
  // The window's own widgets first, so the frame is there for its contents.
  for (int pass = 0; pass < 2; ++pass) {
    for (const tellux::LayoutEntry& e : tellux::FrmTimeLayout()) {
      if (e.inFrame != (pass == 1)) continue;
      QWidget* parent = e.inFrame ? static_cast<QWidget*>(frame) : &window;
      QWidget* w = nullptr;
      if (StartsWith(e.name, "Option1")) {
        auto* radio = new QRadioButton(Q(e.text), parent);
        options->addButton(radio);
        w = radio;
      } else if (StartsWith(e.name, "UpDown")) {
        w = new QWidget(parent);
        const QRect r = PixelRect(window, e.bounds);
        auto* up = new QToolButton(w);
        auto* down = new QToolButton(w);
        up->setArrowType(Qt::UpArrow);
        down->setArrowType(Qt::DownArrow);
        up->setFocusPolicy(Qt::NoFocus);
        down->setFocusPolicy(Qt::NoFocus);
        up->setGeometry(0, 0, r.width(), r.height() / 2);
        down->setGeometry(0, r.height() / 2, r.width(), r.height() - r.height() / 2);
      } else if (StartsWith(e.name, "ComboTZ")) {
        auto* combo = new QComboBox(parent);
        combo->addItems(zones);
        w = combo;
      } else if (StartsWith(e.name, "Label2")) {
        w = new QLabel(Q(e.text), parent);
      } else if (e.name == "Frame1") {
        frame = new QGroupBox(Q(e.text), parent);
        w = frame;
      } else {
        auto* edit = new QLineEdit(Q(e.text), parent);
        edits[std::string(e.name)] = edit;
        if (caretRest) rest.Watch(*edit);
        w = edit;
      }
      QRect r = PixelRect(window, e.bounds);
      if (auto* label = qobject_cast<QLabel*>(w)) r.setWidth(std::max(r.width(), label->sizeHint().width()));
      w->setGeometry(r);
      if (e.tabStop) {
        w->setFocusPolicy(Qt::StrongFocus);
        stops.emplace_back(e.tabIndex, w);
      } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QRadioButton*>(w) || qobject_cast<QComboBox*>(w)) {
        w->setFocusPolicy(Qt::ClickFocus);
      } else {
        w->setFocusPolicy(Qt::NoFocus);
      }
    }
  }
  std::stable_sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1].second, stops[i].second);
  window.resize(PixelRect(window, {0, 0, tellux::frmTime::kClientWidth, tellux::frmTime::kClientHeight}).size());
  window.setWindowTitle(Q(tellux::kInitialCaption));

  // Texts that change as the program's do: two clocks with seconds every
  // second, four without seconds and the caption once a minute.
  const std::array<QLineEdit*, 6> texts = {edits["txtLocTime"], edits["txtSysTime"], edits["txtTime(0)"],
                                           edits["txtTime(1)"], edits["txtTime(2)"], edits["txtTime(3)"]};
  // English times as ICU writes them since CLDR 42, a narrow no-break space
  // before AM or PM: the program's texts in the same locale, so both shape
  // the same characters.
  const QString withSeconds = QStringLiteral("h:mm:ss\u202FAP");
  const QString withoutSeconds = QStringLiteral("h:mm\u202FAP");
  QLineEdit* first = edits["Text0"];
  bool firstTick = true;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, &window, [&] {
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime utc = now.toUTC();
    texts[0]->setText(now.time().toString(withSeconds));
    texts[1]->setText(utc.time().toString(withSeconds));
    for (int i = 0; i < 4; ++i) {
      texts[static_cast<std::size_t>(2 + i)]->setText(utc.addSecs(-3600 * (i + 5)).time().toString(withoutSeconds));
    }
    window.setWindowTitle(texts[2]->text() + QStringLiteral(" Zone number 0 (Example City)"));
    // As in the program, the first tick puts a row's time into the box that
    // holds the focus, nothing selected, and it stays there while the window
    // idles: its caret blinks over that text. The program keeps a rewritten
    // box's caret where it was, at the start of the empty box; so does this,
    // since the caret's place decides how much of the box each blink redraws.
    if (firstTick) {
      firstTick = false;
      first->setText(texts[2]->text());
      first->setCursorPosition(0);
    }
  });

  tellux::ReportFirstPaintIfAsked(window);
  window.show();
  timer.start(1000);
  return QApplication::exec();
}
