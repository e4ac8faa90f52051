#pragma once
// The Qt 6 Widgets view of the window: one widget per control of the form's
// model, placed by its layout (twips scaled by the screen's logical DPI). It
// draws the model after every change the program makes and hands every user
// action back to the model through frmTime::RaiseUserEvent; it keeps no state
// of its own beyond its caret's rest (caret_rest.h) and the search of a zone
// being typed (zone_finder.h). The form, and the zone search it is given,
// must outlive the view.

#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/linux/qt/caret_rest.h"
#include "platform/zone_search.h"
#include "window/frm_time.h"
#include "window/view_rules.h"
#include "window/zone_finder.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace tellux {

class QtFrmTimeView final : public QWidget {
 public:
  // Zones typed into a list are found through search; without one, through
  // QtZoneSearch (qt_zone_search.h), the same in every language.
  explicit QtFrmTimeView(frmTime& form);
  QtFrmTimeView(frmTime& form, const ZoneSearch& search);
  QtFrmTimeView(const QtFrmTimeView&) = delete;
  QtFrmTimeView& operator=(const QtFrmTimeView&) = delete;
  ~QtFrmTimeView() override;

  // Loads the form, then shows the window and starts the timer, so the
  // first tick finds the lists filled.
  void Start();

  // The user closed the window: the form stores the user's choices and ends
  // the program.
  [[noreturn]] void CloseWindow();

  // Twips to pixels at the given logical DPI, rounded.
  static int TwipsToPixels(int twips, int dpi);

  // The widgets that draw the controls, for the program's start and tests.
  // Null when the control is not of that kind.
  QWidget* WidgetFor(const Control& control) const;
  QLineEdit* LineEditFor(const TextBox& box) const;
  QComboBox* ComboFor(const ComboBox& combo) const;
  QRadioButton* RadioFor(const OptionButton& option) const;
  QToolButton* UpButton(const SpinControl& spin) const;
  QToolButton* DownButton(const SpinControl& spin) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Tests run and stop the timer themselves.
  friend struct QtFrmTimeViewProbe;

  // What draws one control; the pointers not of its kind stay null.
  struct Binding {
    Control* control = nullptr;
    QWidget* widget = nullptr;
    QLineEdit* edit = nullptr;
    QComboBox* combo = nullptr;
    QRadioButton* radio = nullptr;
    QGroupBox* group = nullptr;
    QLabel* label = nullptr;
    QToolButton* up = nullptr;
    QToolButton* down = nullptr;
    // A box's back colour as its palette was last built for it.
    mutable view::LastPushed<ColorRef> backColor;
  };

  void CreateWidgets();
  void PlaceWidgets();
  void ConnectUserEvents();
  void SetTabOrder();
  void Refresh(const Binding& binding);
  const Binding* Find(const Control& control) const;
  QRect PixelRect(const TwipsRect& bounds) const;

  frmTime& form_;
  view::ZoneFinder finder_;
  std::vector<Binding> bindings_;
  QButtonGroup* options_ = nullptr;
  QTimer timer_;
  CaretRest caretRest_;
  view::LastPushed<std::string> caption_;  // the title the window was given last
  bool drawingHeld_ = false;  // while Start() loads the hidden window
};

}  // namespace tellux
