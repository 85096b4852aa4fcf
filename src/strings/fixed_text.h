// Fixed-width text slots: the C-string rules of the tables that preference files store.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace vt {

// A C string's text: the bytes before the first NUL (all of them when there is none).
inline std::string_view UpToNul(std::string_view text) {
  const void* nul = std::memchr(text.data(), 0, text.size());
  if (nul == nullptr) return text;
  return text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
}

// The text of a slot: its bytes up to the first NUL (all of them when there is none).
template <std::size_t N>
std::string_view TextOf(const std::array<char, N>& slot) {
  return UpToNul({slot.data(), N});
}

// Copies at most N - 1 bytes of `text` and a NUL into the slot; the bytes after the NUL keep
// what they held, so a table saved, loaded and saved again stays byte for byte the same.
template <std::size_t N>
void CopyText(std::array<char, N>& slot, std::string_view text) {
  static_assert(N > 0, "a slot holds at least its NUL");
  const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
  if (length != 0) std::memmove(slot.data(), text.data(), length);
  slot[length] = '\0';
}

}  // namespace vt
