// Clickable controls: buttons, menu items, check boxes, radio buttons and radio groups.
#pragma once

#include <string>
#include <vector>

#include "toolkit/control.h"

namespace tk {

// A push button, or an invisible one that is only a named step. Click() always runs its handler,
// at once and nested; a user's click needs the button reachable.
class Button : public Control {
 public:
  Button(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kButton, std::move(name), parent) {}
  Handler on_click;
  void Click() { Fire(on_click); }
  void UserClick();
};

// A menu item; items with children are menus. Click() runs the handler only while the item is
// enabled. Checking or enabling from code runs nothing.
class MenuItem : public Control {
 public:
  MenuItem(Window& window, std::string name, MenuItem* parent = nullptr)
      : Control(window, ControlKind::kMenuItem, std::move(name), parent) {}
  Handler on_click;
  void Click();
  void UserClick() { Click(); }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  // A separator line in its menu (no caption, never clicked).
  bool Separator() const { return separator_; }
  void SetSeparator(bool separator) { separator_ = separator; }

 private:
  bool checked_ = false;
  bool separator_ = false;
};

// SetChecked runs the click handler when the state changes, in either direction.
class CheckBox : public Control {
 public:
  CheckBox(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kCheckBox, std::move(name), parent) {}
  Handler on_click;
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // A user's click toggles the box (and takes the focus).
  void UserClick();

 private:
  bool checked_ = false;
};

// Radio buttons with the same parent form a group. Checking an unchecked button unchecks the
// others (no handlers for them) and then runs its own click handler; unchecking, or setting the
// state it has, runs nothing. A disabled button can still be checked from code.
class RadioButton : public Control {
 public:
  RadioButton(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kRadioButton, std::move(name), parent) {}
  Handler on_click;
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void UserClick();

 private:
  bool checked_ = false;
};

// A captioned group of exclusive items. SetItemIndex clamps (below -1 to -1, past the end to the
// last item); a change to an index of 0 or more runs the click handler.
class RadioGroup : public Control {
 public:
  RadioGroup(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kRadioGroup, std::move(name), parent) {}
  Handler on_click;
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int ItemIndex() const { return index_; }
  void SetItemIndex(int index);
  void UserSelect(int index);

 private:
  std::vector<std::string> items_;
  int index_ = -1;
};

}  // namespace tk
