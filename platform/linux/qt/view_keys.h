#pragma once
// The keys the Qt view gives a meaning beyond the widgets' own: Up and Down
// in a panel time box step its hour, and letters typed into a zone list find
// a zone. Each returns whether it took the key; the view then keeps the key
// from the widget, which would otherwise act on it too.

class QAbstractItemView;
class QComboBox;
class QKeyEvent;

namespace tellux {

class TextBox;
class frmTime;
namespace view {
class ZoneFinder;
}

// Up and Down (no Ctrl, Alt or Meta) in box do what the spin beside it does.
// False for any other key, or a box with no spin beside it.
bool StepHourByKey(frmTime& form, const TextBox& box, const QKeyEvent& key);

// key typed into the form's zone list `list` (0..3), shown by combo, closed
// or with its popup open (popup: its item view, else null): the finder picks
// through the model, and combo, and the open popup's current row, show the
// pick.
bool FindZoneByKey(frmTime& form, view::ZoneFinder& finder, int list, QComboBox& combo,
                   QAbstractItemView* popup, const QKeyEvent& key);

}  // namespace tellux
