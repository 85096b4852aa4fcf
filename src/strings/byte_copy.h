// Byte copies and fills of a run-time length, for the short pieces that make a record's fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vt {

// Longer copies and fills go to the C library behind a call the compiler cannot see into:
// where it can bound a length (a field never passes its width) it would expand memcpy and
// memset inline as `rep movs` and `rep stos`, whose start-up costs more than a short copy.
void CopyBytesLong(char* to, const char* from, std::size_t count);
void FillBytesLong(char* to, char byte, std::size_t count);

// Copies `count` bytes; the ranges must not overlap. Up to 32 bytes are moved with two
// overlapping loads and stores of fixed size, which compile to plain moves.
inline void CopyBytes(char* to, const char* from, std::size_t count) {
  if (count >= 8) {
    if (count > 16) {
      if (count > 32) return CopyBytesLong(to, from, count);
      char head[16];
      char tail[16];
      std::memcpy(head, from, 16);
      std::memcpy(tail, from + count - 16, 16);
      std::memcpy(to, head, 16);
      std::memcpy(to + count - 16, tail, 16);
      return;
    }
    std::uint64_t head;
    std::uint64_t tail;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + count - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + count - 8, &tail, 8);
    return;
  }
  if (count >= 4) {
    std::uint32_t head;
    std::uint32_t tail;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + count - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + count - 4, &tail, 4);
    return;
  }
  if (count == 0) return;
  // 1 to 3 bytes: the first, the middle and the last (some are the same byte).
  const char first = from[0];
  const char middle = from[count / 2];
  const char last = from[count - 1];
  to[0] = first;
  to[count / 2] = middle;
  to[count - 1] = last;
}

// Copies exactly `kCount` bytes, in fixed-size moves: for a caller that may read and write
// that many bytes whatever the length it needs, and lets the bytes past it be written over.
template <std::size_t kCount>
inline void CopySpill(char* to, const char* from) {
  char bytes[kCount];
  std::memcpy(bytes, from, kCount);
  std::memcpy(to, bytes, kCount);
}

// Sets `count` bytes to `byte`, the same way.
inline void FillBytes(char* to, char byte, std::size_t count) {
  if (count >= 8) {
    if (count > 16) return FillBytesLong(to, byte, count);
    const std::uint64_t all = 0x0101010101010101u * static_cast<unsigned char>(byte);
    std::memcpy(to, &all, 8);
    std::memcpy(to + count - 8, &all, 8);
    return;
  }
  if (count >= 4) {
    const std::uint32_t all = 0x01010101u * static_cast<unsigned char>(byte);
    std::memcpy(to, &all, 4);
    std::memcpy(to + count - 4, &all, 4);
    return;
  }
  if (count == 0) return;
  to[0] = byte;
  to[count / 2] = byte;
  to[count - 1] = byte;
}

}  // namespace vt
