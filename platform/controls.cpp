#include "platform/controls.h"

#include <utility>

#include "platform/run_time_error.h"
#include "platform/text.h"

namespace tellux {

void TextBox::SetText(std::string text) {
  text_ = std::move(text);
  Notify();
  if (Change) Change();
}

void TextBox::SetBackColor(ColorRef color) {
  backColor_ = color;
  Notify();
}

void TextBox::UserEdit(std::string text) {
  if (text.size() > static_cast<std::size_t>(kMaxUserLength)) text = text::Left(text, kMaxUserLength);
  text_ = std::move(text);
  if (Change) Change();
}

void TextBox::UserLeave() {
  if (LostFocus) LostFocus();
}

void ComboBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Notify();
}

const std::string& ComboBox::List(int position) const {
  if (position < 0 || position >= ListCount()) throw RunTimeError::InvalidPropertyValue();
  return items_[static_cast<std::size_t>(position)];
}

void ComboBox::SetListIndex(int position) {
  if (position < -1 || position >= ListCount()) throw RunTimeError::InvalidPropertyValue();
  listIndex_ = position;
  Notify();
  if (Click) Click();
}

std::string ComboBox::Text() const {
  return listIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(listIndex_)];
}

void ComboBox::UserSelect(int position) {
  if (position < -1 || position >= ListCount()) return;  // the view offers nothing else
  listIndex_ = position;
  if (Click) Click();
}

void OptionButton::SetValue(bool value) {
  if (value) {
    for (OptionButton* other : group) {
      if (other != this && other->value_) {
        other->value_ = false;
        other->Notify();
      }
    }
  }
  value_ = value;
  Notify();
}

}  // namespace tellux
