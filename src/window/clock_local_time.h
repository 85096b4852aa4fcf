// Clock local time: the toolkit's clock service as the local time the date steps read.
#pragma once

#include <cstdint>
#include <ctime>

#include "output/date_steps.h"
#include "toolkit/services/clock.h"

namespace vt {

class ClockLocalTime final : public LocalTimeSource {
 public:
  explicit ClockLocalTime(tk::Clock* clock) : clock_(clock) {}
  bool Local(std::int64_t seconds, std::tm& out) const override {
    static_assert(sizeof(std::time_t) >= sizeof(seconds), "every count reaches the clock");
    if (clock_ == nullptr) return false;
    return clock_->TryLocal(static_cast<std::time_t>(seconds), out);
  }

 private:
  tk::Clock* clock_;
};

}  // namespace vt
