// Event pump: lets pending user events (a Cancel click) run during a long handler.
#pragma once

namespace tk {

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void ProcessPendingEvents() = 0;
};

}  // namespace tk
