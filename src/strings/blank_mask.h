// Bit masks of the blanks in a run of bytes, eight bytes at a time, for the parsers' scans.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vt {

// Bit i set where bytes[i] is a blank (the space character), for size at most 64. Nothing past
// bytes + size is read.
inline std::uint64_t BlankMask(const char* bytes, std::size_t size);

// ---- End of the public API. ----

namespace blank_mask_internal {

// 0x80 in every byte of w that is a blank, 0 in every other byte.
inline std::uint64_t BlankBytes(std::uint64_t w) {
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  const std::uint64_t x = w ^ 0x2020202020202020ULL;
  return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// The top bit of each byte of w gathered into bits 0-7, byte i to bit i (little-endian order).
inline std::uint64_t GatherTopBits(std::uint64_t w) {
  return ((w >> 7) * 0x0102040810204080ULL) >> 56;
}

}  // namespace blank_mask_internal

inline std::uint64_t BlankMask(const char* bytes, std::size_t size) {
  std::uint64_t mask = 0;
  std::size_t i = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; i + 8 <= size; i += 8) {
      std::uint64_t w;
      std::memcpy(&w, bytes + i, 8);
      mask |= blank_mask_internal::GatherTopBits(blank_mask_internal::BlankBytes(w)) << i;
    }
  }
  for (; i < size; ++i) mask |= static_cast<std::uint64_t>(bytes[i] == ' ') << i;
  return mask;
}

}  // namespace vt
