// Clock that reads the system's date and time in the local time zone.
#pragma once

#include <ctime>

#include "toolkit/services/clock.h"

namespace tk {

class SystemClock : public Clock {
 public:
  std::time_t Now() override;
  std::tm Local(std::time_t t) override;
  bool TryLocal(std::time_t t, std::tm& out) override;
};

}  // namespace tk
