// Quiet services: settings in a map, and the pinned clock.
#include "support/quiet_services.h"

namespace vt::fuzz {

std::string QuietSettings::Read(const std::string& path, const std::string& section,
                                const std::string& key, const std::string& fallback,
                                std::size_t size) {
  const auto found = values_.find(path + '|' + section + '|' + key);
  const std::string& value = found == values_.end() ? fallback : found->second;
  return size == 0 ? std::string() : value.substr(0, size - 1);
}

bool QuietSettings::Write(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& value) {
  values_[path + '|' + section + '|' + key] = value;
  return true;
}

std::tm PinnedClock::Local(std::time_t t) {
  std::tm out{};
  (void)::gmtime_r(&t, &out);
  return out;
}

bool PinnedClock::TryLocal(std::time_t t, std::tm& out) {
  return ::gmtime_r(&t, &out) != nullptr;
}

}  // namespace vt::fuzz
