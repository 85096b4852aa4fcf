// Clock: the local date and time; tests pin it.
#pragma once

#include <ctime>

namespace tk {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::time_t Now() = 0;
  // Broken-down local time of `t`.
  virtual std::tm Local(std::time_t t) = 0;
  // The same, false when the C library cannot convert `t` (a year beyond its range).
  virtual bool TryLocal(std::time_t t, std::tm& out) {
    out = Local(t);
    return true;
  }
};

}  // namespace tk
