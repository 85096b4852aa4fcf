// Delimited splitting: the comma cutter with its quote rule and the single-delimiter cutter.
#include "main/input/delimited_split.h"

#include <cstring>

namespace vt {

namespace {

std::string_view UpToNul(std::string_view text) {
  const void* nul = std::memchr(text.data(), 0, text.size());
  if (nul == nullptr) return text;
  return text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
}

void Store(std::vector<std::string>& values, int i, std::string_view value, std::size_t limit) {
  values[static_cast<std::size_t>(i)].assign(value.substr(0, limit));
}

void EnsureSlots(std::vector<std::string>& values, const SplitLimits& limits) {
  const std::size_t needed = static_cast<std::size_t>(limits.max_fields) + 1;
  if (values.size() < needed) values.resize(needed);
}

}  // namespace

int SplitCommaRecord(std::string_view record, std::vector<std::string>& values,
                     const SplitLimits& limits) {
  EnsureSlots(values, limits);
  std::string_view rest = UpToNul(record);
  if (!rest.empty() && rest.back() == '"') rest.remove_suffix(1);
  int i = 0;
  while (!rest.empty() && i < limits.max_fields) {
    ++i;
    if (rest.front() == '"') {
      rest.remove_prefix(1);
      const std::size_t end = rest.find("\",");
      if (end == std::string_view::npos) {
        Store(values, i, rest, limits.max_value);
        break;
      }
      Store(values, i, rest.substr(0, end), limits.max_value);
      rest.remove_prefix(end + 2);
      continue;
    }
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) {
      Store(values, i, rest, limits.max_value);
      break;
    }
    Store(values, i, rest.substr(0, comma), limits.max_value);
    rest.remove_prefix(comma + 1);
  }
  return i;
}

int SplitDelimitedRecord(std::string_view record, char delimiter, std::vector<std::string>& values,
                         const SplitLimits& limits) {
  EnsureSlots(values, limits);
  std::string_view rest = UpToNul(record);
  int i = 0;
  while (!rest.empty() && i < limits.max_fields) {
    ++i;
    const std::size_t at = rest.find(delimiter);
    if (at == std::string_view::npos) {
      Store(values, i, rest, limits.max_value);
      break;
    }
    Store(values, i, rest.substr(0, at), limits.max_value);
    rest.remove_prefix(at + 1);
  }
  return i;
}

}  // namespace vt
