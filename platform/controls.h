#pragma once
// A plain model of the standard controls the window is made of. The logic
// reads and sets their properties; a setter that the window system would
// answer with an event raises the control's handler synchronously, before it
// returns. A view (Qt, Win32) draws the model: it is told through ModelChanged
// after each change the program makes, and it feeds the user's actions back
// through the User* calls, which raise the same handlers without echoing back.
//
// Geometry is in twips (1/1440 inch) within the container's client area.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win_types.h"

namespace tellux {

// The system's window-background colour, in the encoding of system colours
// as colour values (high bit set, COLOR_WINDOW = 5).
constexpr ColorRef kColorWindow = 0x80000005u;

enum class ControlKind { kTextBox, kComboBox, kOptionButton, kSpin, kLabel, kFrame, kTimer };

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Control {
 public:
  explicit Control(ControlKind kind) : kind_(kind) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind Kind() const { return kind_; }

  // Fixed at creation from the window's layout.
  std::string name;            // the control's name, e.g. "Text0", "ComboTZ(2)"
  TwipsRect bounds;            // position and size in the container
  const Control* container = nullptr;  // null: the window itself
  int tabIndex = 0;
  bool tabStop = false;
  std::string toolTipText;
  std::string accessibleName;  // what a screen reader announces

  // Set by a view; called after the program changed what the view shows.
  std::function<void()> ModelChanged;

 protected:
  void Notify() const {
    if (ModelChanged) ModelChanged();
  }

 private:
  ControlKind kind_;
};

// Single-line text box. Change is raised for every new text, typed or set.
class TextBox : public Control {
 public:
  TextBox() : Control(ControlKind::kTextBox) {}

  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  ColorRef BackColor() const { return backColor_; }
  void SetBackColor(ColorRef color);

  // What a user can type into a box, in characters; longer texts are cut,
  // as the window system's edit controls do.
  static constexpr long long kMaxUserLength = 32767;

  // The user changed the text; raises Change.
  void UserEdit(std::string text);
  // The box lost the keyboard focus; raises LostFocus.
  void UserLeave();

  std::function<void()> Change;
  std::function<void()> LostFocus;

 private:
  std::string text_;
  ColorRef backColor_ = kColorWindow;
};

// Drop-down list the user can only pick from. Positions are 0-based, -1 for
// no selection. Click is raised for every position set, by user or program.
class ComboBox : public Control {
 public:
  ComboBox() : Control(ControlKind::kComboBox) {}

  void AddItem(std::string item);
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int position) const;  // Invalid property value outside the list
  int ListIndex() const { return listIndex_; }
  // Invalid property value below -1 or past the last item.
  void SetListIndex(int position);
  // The selected item, or empty without a selection.
  std::string Text() const;
  const std::vector<std::string>& Items() const { return items_; }

  // The user picked an item; raises Click.
  void UserSelect(int position);

  std::function<void()> Click;

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

// Option button; setting one clears the others of its group. No events.
class OptionButton : public Control {
 public:
  OptionButton() : Control(ControlKind::kOptionButton) {}

  std::string caption;
  bool Value() const { return value_; }
  void SetValue(bool value);
  void UserClick() { SetValue(true); }

  // The buttons of one group, this one included.
  std::vector<OptionButton*> group;

 private:
  bool value_ = false;
};

// Spin control with separate up and down buttons; its position is unused.
class SpinControl : public Control {
 public:
  SpinControl() : Control(ControlKind::kSpin) {}

  const Control* buddy = nullptr;  // the text box it sits against

  void UserUp() {
    if (UpClick) UpClick();
  }
  void UserDown() {
    if (DownClick) DownClick();
  }

  std::function<void()> UpClick;
  std::function<void()> DownClick;
};

// Static caption or frame: text only.
class Label : public Control {
 public:
  explicit Label(ControlKind kind = ControlKind::kLabel) : Control(kind) {}
  std::string caption;
};

class Timer : public Control {
 public:
  Timer() : Control(ControlKind::kTimer) {}

  int interval = 0;  // milliseconds
  bool enabled = false;

  // The interval has passed; raises Tick.
  void Fire() {
    if (enabled && Tick) Tick();
  }

  std::function<void()> Tick;
};

}  // namespace tellux
