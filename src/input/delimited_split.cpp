// Delimited splitting: the comma cutter with its quote rule and the single-delimiter cutter.
#include "input/delimited_split.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "strings/fixed_text.h"

namespace vt {

namespace {

// clear and append rather than assign: the slot keeps its storage and the copy skips the
// overlap handling of assign, which a record's own text never needs.
// The first `byte` in text, or npos. Fields are short, a dozen bytes or so: eight bytes at a
// time in a register beat a call to memchr, whose set-up costs more than such a scan.
std::size_t FindByte(std::string_view text, char byte) {
  const char* data = text.data();
  const std::size_t size = text.size();
  std::size_t i = 0;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(byte);
    for (; i + 8 <= size; i += 8) {
      std::uint64_t word;
      std::memcpy(&word, data + i, 8);
      word ^= pattern;
      // A high bit for each zero byte; bits above the first zero may be wrong, never below.
      const std::uint64_t zeros = (word - kOnes) & ~word & kHighs;
      if (zeros != 0) return i + static_cast<std::size_t>(std::countr_zero(zeros)) / 8;
    }
  }
  for (; i < size; ++i) {
    if (data[i] == byte) return i;
  }
  return std::string_view::npos;
}

void Store(std::vector<std::string>& values, int i, std::string_view value, std::size_t limit) {
  std::string& slot = values[static_cast<std::size_t>(i)];
  slot.clear();
  slot.append(value.data(), value.size() < limit ? value.size() : limit);
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
    const std::size_t comma = FindByte(rest, ',');
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
    const std::size_t at = FindByte(rest, delimiter);
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
