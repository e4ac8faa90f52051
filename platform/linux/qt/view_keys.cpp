#include "platform/linux/qt/view_keys.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "window/frm_time.h"
#include "window/view_rules.h"
#include "window/zone_finder.h"

namespace tellux {
namespace {

// Keys with these held are commands (shortcuts, menus), not typing.
constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

bool StepHourByKey(frmTime& form, const TextBox& box, const QKeyEvent& key) {
  if ((key.modifiers() & kCommandModifiers) != 0) return false;
  if (key.key() != Qt::Key_Up && key.key() != Qt::Key_Down) return false;
  SpinControl* spin = view::SpinBeside(form, box);
  if (spin == nullptr) return false;
  if (key.key() == Qt::Key_Up) {
    form.RaiseUserEvent([&] { spin->UserUp(); });
  } else {
    form.RaiseUserEvent([&] { spin->UserDown(); });
  }
  return true;
}

bool FindZoneByKey(frmTime& form, view::ZoneFinder& finder, int list, QComboBox& combo,
                   QAbstractItemView* popup, const QKeyEvent& key) {
  if ((key.modifiers() & kCommandModifiers) != 0) return false;
  const QByteArray typed = key.text().toUtf8();
  if (!finder.Type(list,
                   std::string_view(typed.constData(), static_cast<std::size_t>(typed.size())),
                   static_cast<std::int64_t>(key.timestamp()))) {
    return false;
  }
  // A pick is the user's, so the model tells no view of it; and an open
  // popup keeps a current row of its own, which Return would choose.
  const int picked = form.ComboTZ[static_cast<std::size_t>(list)].ListIndex();
  if (combo.currentIndex() != picked) {
    const QSignalBlocker block(combo);
    combo.setCurrentIndex(picked);
  }
  if (popup != nullptr && combo.currentIndex() >= 0) {
    popup->setCurrentIndex(combo.model()->index(combo.currentIndex(), combo.modelColumn()));
  }
  return true;
}

}  // namespace tellux
