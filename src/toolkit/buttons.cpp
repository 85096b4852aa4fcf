// Clickable controls: the event rules of clicks and checks.
#include "toolkit/buttons.h"

#include "toolkit/window.h"

namespace tk {

void Button::UserClick() {
  if (!Reachable()) return;
  SetFocus();
  Click();
}

void MenuItem::Click() {
  if (Enabled()) Fire(on_click);
}

void CheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Fire(on_click);
}

void CheckBox::UserClick() {
  if (!Reachable()) return;
  SetFocus();
  SetChecked(!checked_);
}

void RadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (!checked) return;
  for (Control* c : Owner().Controls()) {
    if (c == this || c->Kind() != ControlKind::kRadioButton || c->Parent() != Parent()) continue;
    static_cast<RadioButton*>(c)->checked_ = false;
  }
  Fire(on_click);
}

void RadioButton::UserClick() {
  if (!Reachable()) return;
  SetFocus();
  SetChecked(true);
}

void RadioGroup::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (index_ >= static_cast<int>(items_.size())) index_ = -1;
}

void RadioGroup::SetItemIndex(int index) {
  const int last = static_cast<int>(items_.size()) - 1;
  if (index < -1) index = -1;
  if (index > last) index = last;
  if (index == index_) return;
  index_ = index;
  if (index_ >= 0) Fire(on_click);
}

void RadioGroup::UserSelect(int index) {
  if (!Reachable()) return;
  SetFocus();
  SetItemIndex(index);
}

}  // namespace tk
