// Delimited splitting: the comma cutter with its quote rule and the single-delimiter cutter.
#include "input/delimited_split.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vt {

namespace {

// A bit for each of the `count` bytes at `at` (at most 64) that is `byte`, the lowest bit for
// the first byte (with SSE2, sixteen bytes per compare).
inline std::uint64_t MapBytes(const char* at, std::size_t count, char byte) {
  std::uint64_t bits = 0;
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i pattern = _mm_set1_epi8(byte);
  for (; i + 16 <= count; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + i));
    const auto found =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, pattern)));
    bits |= std::uint64_t{found} << i;
  }
#endif
  if constexpr (std::endian::native == std::endian::little) {
    // What is left, eight bytes at a time: 0x80 in each byte of the word that matches.
    constexpr std::uint64_t kLows = 0x7F7F7F7F7F7F7F7Fu;
    const std::uint64_t pattern = 0x0101010101010101u * static_cast<unsigned char>(byte);
    for (; i + 8 <= count; i += 8) {
      std::uint64_t word;
      std::memcpy(&word, at + i, 8);
      word ^= pattern;
      // Exact for every byte (no borrow between bytes): high bit set where the byte was zero.
      const std::uint64_t zero = ~(((word & kLows) + kLows) | word | kLows);
      // Gather the eight high bits into eight consecutive bits.
      const std::uint64_t gathered = ((zero >> 7) * 0x0102040810204080u) >> 56;
      bits |= gathered << i;
    }
  }
  for (; i < count; ++i) bits |= std::uint64_t{at[i] == byte} << i;
  return bits;
}

// The bits of text[base, base + 64) that are `byte`; none at or past `size`. A block that may be
// read whole is mapped whole and masked: the same work whatever the record's length.
std::uint64_t BlockBits(const char* text, std::size_t size, std::size_t readable, std::size_t base,
                        char byte) {
  const std::size_t count = size - base < 64 ? size - base : 64;
  if (readable >= 64 && base <= readable - 64) {
    const std::uint64_t bits = MapBytes(text + base, 64, byte);
    return count < 64 ? bits & ((std::uint64_t{1} << count) - 1) : bits;
  }
  return MapBytes(text + base, count, byte);
}

// Finds one byte in a record from left to right, 64 bytes mapped at a time, so that each
// field's end costs a bit scan rather than a byte loop.
class ByteScan {
 public:
  ByteScan(std::string_view text, char byte)
      : data_(text.data()),
        size_(text.size()),
        byte_(byte),
        bits_(BlockBits(data_, size_, size_, 0, byte)) {}

  // The first position at or after `from` that holds the byte, or npos.
  std::size_t Next(std::size_t from) {
    for (;;) {
      const std::size_t offset = from - base_;
      if (offset < 64) {
        const std::uint64_t bits = bits_ >> offset;
        if (bits != 0) return from + static_cast<std::size_t>(std::countr_zero(bits));
        from = base_ + 64;
      }
      if (from >= size_) return std::string_view::npos;
      base_ = from / 64 * 64;
      bits_ = BlockBits(data_, size_, size_, base_, byte_);
    }
  }

 private:
  const char* data_;
  std::size_t size_;
  char byte_;
  std::size_t base_ = 0;  // where the mapped block starts
  std::uint64_t bits_;
};

// Where a cut value goes: copied into a string slot, or kept as a view of the record. Both hold
// the slots' first element (taken after EnsureSlots), not the vector, so that no store reloads it.
struct StoreValue {
  std::string* values;
  void operator()(int i, std::string_view value) const {
    // clear and append rather than assign: the slot keeps its storage and the copy skips the
    // overlap handling of assign, which a record's own text never needs.
    std::string& slot = values[i];
    slot.clear();
    slot.append(value.data(), value.size());
  }
};

struct StoreView {
  std::string_view* views;
  void operator()(int i, std::string_view value) const { views[i] = value; }
};

template <typename Slots>
void EnsureSlots(Slots& slots, const SplitLimits& limits) {
  const std::size_t needed = static_cast<std::size_t>(limits.max_fields) + 1;
  if (slots.size() < needed) slots.resize(needed);
}

template <typename Store>
int CutComma(std::string_view rest, const SplitLimits& limits, const Store& store) {
  if (!rest.empty() && rest.back() == '"') rest.remove_suffix(1);
  const char* const text = rest.data();
  const std::size_t size = rest.size();
  const std::size_t longest = limits.max_value;
  const int most = limits.max_fields;
  const std::size_t readable = std::max(limits.readable, size);
  if (size == 0 || most <= 0) return 0;
  // The value of bytes [from, end) of the record, cut at the longest value.
  auto put = [&](int i, std::size_t from, std::size_t end) {
    store(i, std::string_view(text + from, std::min(end - from, longest)));
  };
  // The commas of the 64-byte block at `base` that lie at or after `at`: each field takes the
  // lowest and clears it.
  std::size_t base = 0;
  std::uint64_t commas = BlockBits(text, size, readable, 0, ',');
  std::size_t at = 0;  // where the next field starts
  for (int i = 1;; ++i) {
    if (text[at] == '"') {
      const std::size_t end = rest.find("\",", at + 1);
      if (end == std::string_view::npos) {
        put(i, at + 1, size);
        return i;
      }
      put(i, at + 1, end);
      at = end + 2;
      if (at >= size || i >= most) return i;
      base = at / 64 * 64;
      commas = BlockBits(text, size, readable, base, ',') & (~std::uint64_t{0} << (at - base));
      continue;
    }
    while (commas == 0) {
      base += 64;
      if (base >= size) {
        put(i, at, size);
        return i;
      }
      commas = BlockBits(text, size, readable, base, ',');
    }
    const std::size_t comma = base + static_cast<std::size_t>(std::countr_zero(commas));
    commas &= commas - 1;
    put(i, at, comma);
    at = comma + 1;
    if (at >= size || i >= most) return i;
  }
}

template <typename Store>
int CutAt(std::string_view rest, char delimiter, const SplitLimits& limits, const Store& store) {
  ByteScan delimiters(rest, delimiter);
  std::size_t at = 0;
  int i = 0;
  while (at < rest.size() && i < limits.max_fields) {
    ++i;
    const std::size_t end = delimiters.Next(at);
    if (end == std::string_view::npos) {
      store(i, rest.substr(at, limits.max_value));
      break;
    }
    store(i, rest.substr(at, std::min(end - at, limits.max_value)));
    at = end + 1;
  }
  return i;
}

}  // namespace

int SplitCommaRecord(std::string_view record, std::vector<std::string>& values,
                     const SplitLimits& limits) {
  EnsureSlots(values, limits);
  return CutComma(record, limits, StoreValue{values.data()});
}

int SplitDelimitedRecord(std::string_view record, char delimiter, std::vector<std::string>& values,
                         const SplitLimits& limits) {
  EnsureSlots(values, limits);
  return CutAt(record, delimiter, limits, StoreValue{values.data()});
}

int SplitCommaViews(std::string_view record, std::vector<std::string_view>& views,
                    const SplitLimits& limits) {
  EnsureSlots(views, limits);
  return CutComma(record, limits, StoreView{views.data()});
}

int SplitDelimitedViews(std::string_view record, char delimiter,
                        std::vector<std::string_view>& views, const SplitLimits& limits) {
  EnsureSlots(views, limits);
  return CutAt(record, delimiter, limits, StoreView{views.data()});
}

}  // namespace vt
