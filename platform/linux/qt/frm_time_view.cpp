#include "platform/linux/qt/frm_time_view.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStringList>
#include <QToolButton>
#include <algorithm>
#include <string>

#include "platform/linux/qt/box_palette.h"
#include "platform/linux/qt/clock_icon.h"
#include "platform/linux/qt/view_keys.h"
#include "platform/linux/qt/zone_search.h"
#include "window/view_rules.h"

namespace tellux {
namespace {

QString ToQString(const std::string& s) { return QString::fromStdString(s); }

// "Hour 2" -> "Hour up 2": the word goes before the panel number.
QString ArrowName(const std::string& spinName, const char* word) {
  const std::size_t space = spinName.rfind(' ');
  if (space == std::string::npos) return ToQString(spinName + " " + word);
  return ToQString(spinName.substr(0, space) + " " + word + spinName.substr(space));
}

// The search of a view given none: stateless, so one serves every view.
const ZoneSearch& PlainLetters() {
  static const QtZoneSearch search;
  return search;
}

void RefreshText(const TextBox& box, QLineEdit& edit, view::LastPushed<ColorRef>& backColor) {
  const QString text = ToQString(box.Text());
  if (edit.text() != text) {
    if (edit.hasFocus()) {
      const std::size_t caret = view::CaretAfterRewrite(
          static_cast<std::size_t>(edit.cursorPosition()), static_cast<std::size_t>(text.size()));
      edit.setText(text);
      edit.setCursorPosition(static_cast<int>(caret));
    } else {
      // Show the start of a text longer than the box, not its end.
      edit.setText(text);
      edit.setCursorPosition(0);
    }
  }
  // The clock rewrites boxes every second, their colours seldom. A screen
  // reader hears of daylight saving time, which the colour shows.
  if (backColor.NeedsPush(box.BackColor())) {
    edit.setPalette(BoxPalette(edit, box.BackColor()));
    edit.setAccessibleName(ToQString(view::AccessibleNameOf(box)));
  }
}

void RefreshCombo(const ComboBox& combo, QComboBox& widget) {
  const int shown = widget.count();
  const int have = view::ItemsToKeep(shown, combo.ListCount());
  if (have < shown) widget.clear();
  // All that is new in one insertion: the widget relays itself out once.
  if (have < combo.ListCount()) {
    QStringList added;
    added.reserve(combo.ListCount() - have);
    for (int i = have; i < combo.ListCount(); ++i) added.append(ToQString(combo.List(i)));
    widget.addItems(added);
  }
  // Adding to an empty list selects its first item; the model decides.
  if (widget.currentIndex() != combo.ListIndex()) widget.setCurrentIndex(combo.ListIndex());
}

void RefreshOption(const OptionButton& option, QRadioButton& radio) {
  radio.setText(ToQString(option.caption));
  if (radio.isChecked() == option.Value()) return;
  if (option.Value()) {
    radio.setChecked(true);
  } else {
    // An exclusive group refuses to clear its checked button; the model may.
    QButtonGroup* group = radio.group();
    if (group != nullptr) group->setExclusive(false);
    radio.setChecked(false);
    if (group != nullptr) group->setExclusive(true);
  }
}

}  // namespace

QtFrmTimeView::QtFrmTimeView(frmTime& form) : QtFrmTimeView(form, PlainLetters()) {}

QtFrmTimeView::QtFrmTimeView(frmTime& form, const ZoneSearch& search)
    : form_(form), finder_(form, search) {
  setWindowIcon(ClockIcon());
  // The layout's captions are sized for an 8-point font.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
  CreateWidgets();
  for (const Binding& b : bindings_) Refresh(b);
  PlaceWidgets();  // after the captions are in, see there
  SetTabOrder();
  ConnectUserEvents();
  // As in the Win32 view, each control refreshes its own binding, by
  // reference: bindings_ is complete and never changes after this.
  for (const Binding& b : bindings_) {
    b.control->ModelChanged = [this, &b] {
      if (!drawingHeld_) Refresh(b);
    };
  }
  // The clock sets the caption every second, mostly to what it already is.
  const auto showCaption = [this] {
    if (caption_.NeedsPush(form_.Caption())) setWindowTitle(ToQString(form_.Caption()));
  };
  showCaption();
  form_.CaptionChanged = showCaption;
}

QtFrmTimeView::~QtFrmTimeView() {
  timer_.stop();
  for (const Binding& b : bindings_) {
    b.control->ModelChanged = nullptr;
    if (b.edit != nullptr) b.edit->removeEventFilter(this);
    if (b.combo != nullptr) {
      b.combo->removeEventFilter(this);
      for (QAbstractItemView* popup : b.combo->findChildren<QAbstractItemView*>()) {
        popup->removeEventFilter(this);
      }
    }
  }
  form_.CaptionChanged = nullptr;
}

int QtFrmTimeView::TwipsToPixels(int twips, int dpi) { return view::TwipsToPixels(twips, dpi); }

QRect QtFrmTimeView::PixelRect(const TwipsRect& bounds) const {
  const view::PixelEdges e = view::ScaleEdges(bounds, logicalDpiX(), logicalDpiY());
  return {e.left, e.top, e.right - e.left, e.bottom - e.top};
}

void QtFrmTimeView::CreateWidgets() {
  options_ = new QButtonGroup(this);
  options_->setExclusive(true);

  // Containers first, so their contents have a parent to go into.
  std::vector<Control*> order;
  for (Control* c : form_.Controls()) {
    if (c->container == nullptr && c->Kind() != ControlKind::kTimer) order.push_back(c);
  }
  for (Control* c : form_.Controls()) {
    if (c->container != nullptr) order.push_back(c);
  }

  for (Control* c : order) {
    Binding b;
    b.control = c;
    const Binding* holder = c->container != nullptr ? Find(*c->container) : nullptr;
    QWidget* parent = holder != nullptr ? holder->widget : this;
    switch (c->Kind()) {
      case ControlKind::kTextBox:
        b.edit = new QLineEdit(parent);
        b.edit->setMaxLength(static_cast<int>(TextBox::kMaxUserLength));
        b.widget = b.edit;
        break;
      case ControlKind::kComboBox:
        b.combo = new QComboBox(parent);
        b.combo->setEditable(false);
        b.widget = b.combo;
        break;
      case ControlKind::kOptionButton:
        b.radio = new QRadioButton(parent);
        options_->addButton(b.radio);
        b.widget = b.radio;
        break;
      case ControlKind::kSpin: {
        b.widget = new QWidget(parent);
        b.up = new QToolButton(b.widget);
        b.down = new QToolButton(b.widget);
        b.up->setArrowType(Qt::UpArrow);
        b.down->setArrowType(Qt::DownArrow);
        b.up->setAccessibleName(ArrowName(c->accessibleName, "up"));
        b.down->setAccessibleName(ArrowName(c->accessibleName, "down"));
        for (QToolButton* arrow : {b.up, b.down}) {
          arrow->setAutoRepeat(true);
          arrow->setFocusPolicy(Qt::NoFocus);
          arrow->setToolTip(ToQString(c->toolTipText));
          arrow->setAccessibleDescription(ToQString(c->toolTipText));
        }
        break;
      }
      case ControlKind::kLabel:
        b.label = new QLabel(parent);
        b.widget = b.label;
        break;
      case ControlKind::kFrame:
        b.group = new QGroupBox(parent);
        b.widget = b.group;
        break;
      case ControlKind::kTimer:
        continue;
    }
    b.widget->setObjectName(ToQString(c->name));
    b.widget->setToolTip(ToQString(c->toolTipText));
    b.widget->setAccessibleName(ToQString(c->accessibleName));
    b.widget->setAccessibleDescription(ToQString(c->toolTipText));
    bindings_.push_back(b);
  }
}

void QtFrmTimeView::PlaceWidgets() {
  for (const Binding& b : bindings_) {
    QRect r = PixelRect(b.control->bounds);
    // The layout was measured for a narrower font than most desktops have:
    // a caption runs on to its full width rather than being cut off.
    if (b.label != nullptr) r.setWidth(std::max(r.width(), b.label->sizeHint().width()));
    b.widget->setGeometry(r);
    if (b.up != nullptr) {
      const int upHeight = r.height() / 2;
      b.up->setGeometry(0, 0, r.width(), upHeight);
      b.down->setGeometry(0, upHeight, r.width(), r.height() - upHeight);
    }
  }
  resize(PixelRect(view::InitialClientArea()).size());
}

void QtFrmTimeView::SetTabOrder() {
  std::vector<const Binding*> stops;
  for (const Binding& b : bindings_) {
    if (b.control->tabStop) {
      b.widget->setFocusPolicy(Qt::StrongFocus);
      stops.push_back(&b);
    } else if (b.edit != nullptr || b.radio != nullptr || b.combo != nullptr) {
      b.widget->setFocusPolicy(Qt::ClickFocus);
    } else {
      b.widget->setFocusPolicy(Qt::NoFocus);
    }
  }
  view::SortByTabIndex(stops, [](const Binding& b) -> const Control& { return *b.control; });
  // The focus chain is a ring, and nothing else takes the Tab key, so the
  // last stop leads back to the first.
  for (std::size_t i = 1; i < stops.size(); ++i) {
    QWidget::setTabOrder(stops[i - 1]->widget, stops[i]->widget);
  }
}

void QtFrmTimeView::ConnectUserEvents() {
  for (const Binding& b : bindings_) {
    Control* c = b.control;
    if (b.edit != nullptr) {
      auto* box = static_cast<TextBox*>(c);
      // textEdited: typing and pasting only, never a text the program set.
      connect(b.edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
        form_.RaiseUserEvent([&] { box->UserEdit(text.toStdString()); });
      });
      b.edit->installEventFilter(this);  // focus-out and Up and Down, see eventFilter
      caretRest_.Watch(*b.edit);
    } else if (b.combo != nullptr) {
      auto* combo = static_cast<ComboBox*>(c);
      connect(b.combo, &QComboBox::activated, this, [this, combo](int position) {
        form_.RaiseUserEvent([&] { combo->UserSelect(position); });
      });
      b.combo->installEventFilter(this);  // typed letters and its popup, see eventFilter
    } else if (b.radio != nullptr) {
      auto* option = static_cast<OptionButton*>(c);
      connect(b.radio, &QRadioButton::clicked, this,
              [this, option] { form_.RaiseUserEvent([&] { option->UserClick(); }); });
    } else if (b.up != nullptr) {
      auto* spin = static_cast<SpinControl*>(c);
      connect(b.up, &QToolButton::clicked, this,
              [this, spin] { form_.RaiseUserEvent([&] { spin->UserUp(); }); });
      connect(b.down, &QToolButton::clicked, this,
              [this, spin] { form_.RaiseUserEvent([&] { spin->UserDown(); }); });
    }
  }
  // Ctrl+1 .. Ctrl+4 choose the caption's row from anywhere in the window, as
  // a click on its round button does.
  for (std::size_t i = 0; i < form_.Option1.size(); ++i) {
    auto* shortcut = new QShortcut(
        QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(i))), this);
    shortcut->setContext(Qt::WindowShortcut);
    OptionButton* option = &form_.Option1[i];
    connect(shortcut, &QShortcut::activated, this,
            [this, option] { form_.RaiseUserEvent([&] { option->UserClick(); }); });
  }
  connect(&timer_, &QTimer::timeout, this,
          [this] { form_.RaiseUserEvent([&] { form_.Timer1.Fire(); }); });
}

bool QtFrmTimeView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    for (const Binding& b : bindings_) {
      if (b.edit == watched) {
        if (StepHourByKey(form_, static_cast<const TextBox&>(*b.control), key)) return true;
        break;
      }
      if (b.combo == nullptr) continue;
      // A popup's view sits in its own window, which belongs to the list.
      auto* popup = qobject_cast<QAbstractItemView*>(watched);
      if (b.combo == watched || (popup != nullptr && popup->window()->parentWidget() == b.combo)) {
        const auto list =
            static_cast<int>(static_cast<const ComboBox*>(b.control) - form_.ComboTZ.data());
        if (FindZoneByKey(form_, finder_, list, *b.combo, popup, key)) return true;
        break;
      }
    }
  } else if (event->type() == QEvent::ChildPolished) {
    // A list's popup is made when it first opens, and polished before it is
    // shown: its keys are watched from then on.
    const QObject* child = static_cast<QChildEvent*>(event)->child();
    auto* combo = qobject_cast<QComboBox*>(watched);
    if (combo != nullptr && child->isWidgetType() &&
        static_cast<const QWidget*>(child)->isWindow()) {
      combo->view()->installEventFilter(this);
    }
  }
  if (event->type() == QEvent::FocusOut) {
    // Another window or a popup menu taking the keyboard leaves the focus in
    // the box; only moving on within the window is leaving it.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      for (const Binding& b : bindings_) {
        if (b.edit == watched) {
          auto* box = static_cast<TextBox*>(b.control);
          form_.RaiseUserEvent([&] { box->UserLeave(); });
          break;
        }
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void QtFrmTimeView::Refresh(const Binding& b) {
  QSignalBlocker block(b.widget);
  if (b.edit != nullptr) {
    RefreshText(static_cast<const TextBox&>(*b.control), *b.edit, b.backColor);
  } else if (b.combo != nullptr) {
    RefreshCombo(static_cast<const ComboBox&>(*b.control), *b.combo);
  } else if (b.radio != nullptr) {
    RefreshOption(static_cast<const OptionButton&>(*b.control), *b.radio);
  } else if (b.label != nullptr) {
    b.label->setText(ToQString(static_cast<const Label&>(*b.control).caption));
  } else if (b.group != nullptr) {
    b.group->setTitle(ToQString(static_cast<const Label&>(*b.control).caption));
  }
}

void QtFrmTimeView::Start() {
  {
    // The window is hidden until the form is loaded, so nothing is drawn
    // while the load fills the lists item by item; everything is drawn once
    // when it is done, however it ends.
    drawingHeld_ = true;
    struct Release {
      QtFrmTimeView& view;
      ~Release() {
        view.drawingHeld_ = false;
        for (const Binding& b : view.bindings_) view.Refresh(b);
      }
    } release{*this};
    form_.Form_Load();
  }
  show();
  timer_.start(form_.Timer1.interval);
}

void QtFrmTimeView::CloseWindow() {
  timer_.stop();
  std::int16_t cancel = 0;
  form_.Form_Unload(cancel);
}

void QtFrmTimeView::closeEvent(QCloseEvent* /*event*/) { CloseWindow(); }

// A new style or palette gives the boxes their natural colours again; the
// model's are put back, with text that reads on them in the new colours.
void QtFrmTimeView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange) {
    for (const Binding& b : bindings_) {
      if (b.edit == nullptr) continue;
      b.backColor.Forget();
      Refresh(b);
    }
  }
}

const QtFrmTimeView::Binding* QtFrmTimeView::Find(const Control& control) const {
  for (const Binding& b : bindings_) {
    if (b.control == &control) return &b;
  }
  return nullptr;
}

QWidget* QtFrmTimeView::WidgetFor(const Control& control) const {
  const Binding* b = Find(control);
  return b != nullptr ? b->widget : nullptr;
}

QLineEdit* QtFrmTimeView::LineEditFor(const TextBox& box) const {
  const Binding* b = Find(box);
  return b != nullptr ? b->edit : nullptr;
}

QComboBox* QtFrmTimeView::ComboFor(const ComboBox& combo) const {
  const Binding* b = Find(combo);
  return b != nullptr ? b->combo : nullptr;
}

QRadioButton* QtFrmTimeView::RadioFor(const OptionButton& option) const {
  const Binding* b = Find(option);
  return b != nullptr ? b->radio : nullptr;
}

QToolButton* QtFrmTimeView::UpButton(const SpinControl& spin) const {
  const Binding* b = Find(spin);
  return b != nullptr ? b->up : nullptr;
}

QToolButton* QtFrmTimeView::DownButton(const SpinControl& spin) const {
  const Binding* b = Find(spin);
  return b != nullptr ? b->down : nullptr;
}

}  // namespace tellux
