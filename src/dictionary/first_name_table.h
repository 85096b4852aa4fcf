// The built-in first-name table: four runs of male and female names and their sorted index.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>

namespace vt {

// Every name in the table is 2 to 15 characters long.
inline constexpr std::size_t kFirstNameMinLength = 2;
inline constexpr std::size_t kFirstNameMaxLength = 15;

// One run of names in compare order, all of one gender: 1 male, -1 female.
struct FirstNameRun {
  std::span<const std::string_view> names;
  int gender;
};

// The whole table in compare order: a male run, a female run, a male run, a female run.
// A name that stands more than once takes the gender of its first entry.
extern const std::array<FirstNameRun, 4> kFirstNameRuns;

// One name of the lookup's index, zero-padded to a fixed width so that it compares as two words.
struct FirstNameIndexEntry {
  char name[kFirstNameMaxLength + 1];
  std::int8_t gender;
};

// Every distinct name of the table once, in byte order, with the gender of its first entry.
extern const std::span<const FirstNameIndexEntry> kFirstNameIndex;

// A hash table of the index: slot FirstNameHash(name) and those after it (wrapping round) hold
// index positions + 1 up to an empty slot (0); the name is at one of them if it is in the index.
inline constexpr std::size_t kFirstNameHashBits = 15;
inline constexpr std::size_t kFirstNameHashSlots = std::size_t{1} << kFirstNameHashBits;

// The hash of a zero-padded name of kFirstNameMaxLength + 1 bytes: its two eight-byte halves,
// each multiplied by an odd constant, the top bits of their sum.
constexpr std::size_t FirstNameHash(const char* name) {
  auto half = [name](std::size_t at) {
    std::uint64_t word = 0;
    if (!std::is_constant_evaluated() && std::endian::native == std::endian::little) {
      std::memcpy(&word, name + at, 8);  // one load, the same word as below
      return word;
    }
    for (std::size_t i = 0; i < 8; ++i)
      word |= std::uint64_t{static_cast<unsigned char>(name[at + i])} << (8 * i);
    return word;
  };
  const std::uint64_t mixed = half(0) * 0x9E3779B97F4A7C15u + half(8) * 0xC2B2AE3D27D4EB4Fu;
  return static_cast<std::size_t>(mixed >> (64 - kFirstNameHashBits));
}

extern const std::array<std::uint16_t, kFirstNameHashSlots>& kFirstNameHashTable;

}  // namespace vt
