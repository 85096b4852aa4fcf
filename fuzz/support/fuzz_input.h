// Fuzz input: the choices of a fuzz target read from its bytes. Numbers come from the back and
// texts and the file from the front, so that any plain file is already a useful input: its last
// bytes pick the options, the rest is the file. Past the end every number reads as its lowest
// value, every flag as false and every text as empty.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

namespace vt::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), end_(size) {}

  // As many bytes as T has, from the back, fewer when fewer are left.
  template <typename T>
  T Int() {
    static_assert(std::is_integral_v<T>);
    using U = std::make_unsigned_t<T>;
    return static_cast<T>(static_cast<U>(Back(sizeof(T))));
  }

  // A value of [lo, hi], from as few bytes of the back as the range needs.
  template <typename T>
  T IntIn(T lo, T hi) {
    static_assert(std::is_integral_v<T>);
    const auto range = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo);
    std::size_t bytes = 0;
    while (bytes < 8 && (range >> (8 * bytes)) != 0) ++bytes;
    std::uint64_t value = Back(bytes);
    if (range != std::numeric_limits<std::uint64_t>::max()) value %= range + 1;
    return static_cast<T>(static_cast<std::uint64_t>(lo) + value);
  }

  bool Bool() { return (Back(1) & 1) != 0; }

  template <typename T, std::size_t N>
  const T& Pick(const T (&values)[N]) {
    return values[IntIn<std::size_t>(0, N - 1)];
  }

  // A text of at most `max` bytes from the front; its length comes from the back.
  std::string Text(std::size_t max) {
    const std::size_t n = std::min(IntIn<std::size_t>(0, max), end_ - begin_);
    std::string text(reinterpret_cast<const char*>(data_) + begin_, n);
    begin_ += n;
    return text;
  }

  // One byte from the front, for a choice that must come before a file that fills the rest.
  std::uint8_t Front() { return begin_ < end_ ? data_[begin_++] : 0; }

  // Every byte not read yet.
  std::string Rest() {
    std::string rest(reinterpret_cast<const char*>(data_) + begin_, end_ - begin_);
    begin_ = end_;
    return rest;
  }

 private:
  std::uint64_t Back(std::size_t bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes && end_ > begin_; ++i) value = (value << 8) | data_[--end_];
    return value;
  }

  const std::uint8_t* data_;
  std::size_t begin_ = 0;
  std::size_t end_;
};

// A value mostly inside [lo, hi] and now and then anything the type holds: a preference file
// of unknown origin holds whatever its maker wrote.
template <typename T>
T Hostile(FuzzInput& fuzz, T lo, T hi) {
  if (fuzz.IntIn(0, 7) == 7) return fuzz.Int<T>();
  return fuzz.IntIn<T>(lo, hi);
}

}  // namespace vt::fuzz

// The libFuzzer entry of a target function `void Name(FuzzInput&)` of vt::fuzz. Replay tests
// compile the targets with VONTRASK_FUZZ_REPLAY and call the functions themselves.
#ifdef VONTRASK_FUZZ_REPLAY
#define VONTRASK_FUZZ_ENTRY(Name)
#else
#define VONTRASK_FUZZ_ENTRY(Name)                                                     \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
    vt::fuzz::FuzzInput fuzz(data, size);                                             \
    vt::fuzz::Name(fuzz);                                                             \
    return 0;                                                                         \
  }
#endif
