// Clock over time() and localtime_r().
#include "toolkit/services/system_clock.h"

namespace tk {

std::time_t SystemClock::Now() {
  return std::time(nullptr);
}

std::tm SystemClock::Local(std::time_t t) {
  std::tm out{};
  ::localtime_r(&t, &out);
  return out;
}

bool SystemClock::TryLocal(std::time_t t, std::tm& out) {
  return ::localtime_r(&t, &out) != nullptr;
}

}  // namespace tk
