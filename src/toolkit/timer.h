// Timer: a control with an interval whose handler runs on each Tick(); nothing ticks by itself.
#pragma once

#include "toolkit/control.h"

namespace tk {

class Timer : public Control {
 public:
  Timer(Window& window, std::string name, int interval_ms)
      : Control(window, ControlKind::kTimer, std::move(name), nullptr), interval_(interval_ms) {}
  Handler on_timer;
  int Interval() const { return interval_; }
  // The front end calls Tick() every Interval() milliseconds; a disabled timer runs nothing.
  void Tick() {
    if (Enabled()) Fire(on_timer);
  }

 private:
  int interval_;
};

}  // namespace tk
