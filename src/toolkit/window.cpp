// Window: control registry and the focus owner.
#include "toolkit/window.h"

#include <algorithm>
#include <cassert>

namespace tk {

Control* Window::Find(const std::string& name) const {
  for (Control* c : controls_) {
    if (c->Name() == name) return c;
  }
  return nullptr;
}

void Window::SetFocus(Control* control) {
  if (control == focus_) return;
  Control* previous = focus_;
  focus_ = control;
  if (previous != nullptr) Fire(previous->on_exit);
}

void Window::UserHelp(const Control* control) {
  Help* help = services_.help;
  if (help == nullptr) return;
  int topic = control != nullptr ? control->HelpTopic() : 0;
  if (topic == 0) topic = help_context_;
  if (topic == 0) {
    help->Contents(help_file_);
    return;
  }
  help->Topic(help_file_, topic);
}

void Window::Register(Control* control) {
  assert(Find(control->Name()) == nullptr && "control names are unique in a window");
  controls_.push_back(control);
}

void Window::Unregister(Control* control) {
  if (focus_ == control) focus_ = nullptr;
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

}  // namespace tk
