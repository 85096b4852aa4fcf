// Control: registration with the window, reachability and focus.
#include "toolkit/control.h"

#include "toolkit/window.h"

namespace tk {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
      return "Button";
    case ControlKind::kMenuItem:
      return "MenuItem";
    case ControlKind::kCheckBox:
      return "CheckBox";
    case ControlKind::kRadioButton:
      return "RadioButton";
    case ControlKind::kRadioGroup:
      return "RadioGroup";
    case ControlKind::kListBox:
      return "ListBox";
    case ControlKind::kEdit:
      return "Edit";
    case ControlKind::kMaskEdit:
      return "MaskEdit";
    case ControlKind::kMemo:
      return "Memo";
    case ControlKind::kRichEdit:
      return "RichEdit";
    case ControlKind::kStringGrid:
      return "StringGrid";
    case ControlKind::kLabel:
      return "Label";
    case ControlKind::kImage:
      return "Image";
    case ControlKind::kPanel:
      return "Panel";
    case ControlKind::kGroupBox:
      return "GroupBox";
    case ControlKind::kScrollBar:
      return "ScrollBar";
    case ControlKind::kTabSheet:
      return "TabSheet";
    case ControlKind::kPageControl:
      return "PageControl";
    case ControlKind::kStatusBar:
      return "StatusBar";
    case ControlKind::kTimer:
      return "Timer";
    case ControlKind::kOpenDialog:
      return "OpenDialog";
    case ControlKind::kSaveDialog:
      return "SaveDialog";
  }
  return "?";
}

Control::Control(Window& window, ControlKind kind, std::string name, Control* parent)
    : window_(window), kind_(kind), name_(std::move(name)), parent_(parent) {
  window_.Register(this);
}

Control::~Control() {
  window_.Unregister(this);
}

bool Control::Reachable() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->enabled_ || !c->visible_ || c->CoversChildren()) return false;
  }
  return true;
}

bool Control::Showing() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_ || c->CoversChildren()) return false;
  }
  return true;
}

int Control::HelpTopic() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (c->help_context_ != 0) return c->help_context_;
  }
  return 0;
}

void Control::SetFocus() {
  window_.SetFocus(this);
}

bool Control::Focused() const {
  return window_.FocusOwner() == this;
}

void Control::UserMouseMove(int x, int y) {
  if (on_mouse_move) on_mouse_move(x, y);
}

}  // namespace tk
