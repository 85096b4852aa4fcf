// Loading scope: LoadingPreferences is 1 exactly while a preference file is being applied.
#pragma once

#include <cstdint>

namespace vt {

// Sets the flag for its lifetime, whichever way the command that holds it ends.
class LoadingScope {
 public:
  explicit LoadingScope(std::int32_t& flag) : flag_(flag) { flag_ = 1; }
  ~LoadingScope() { flag_ = 0; }
  LoadingScope(const LoadingScope&) = delete;
  LoadingScope& operator=(const LoadingScope&) = delete;

 private:
  std::int32_t& flag_;
};

}  // namespace vt
