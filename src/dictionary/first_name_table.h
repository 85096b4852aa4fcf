// The built-in first-name table: four runs of male and female names and their sorted index.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

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

// Where the index names of each first letter begin: entry k for letter "A" + k, entry 26 the
// end of the index. Every name begins with a letter from A to Z.
extern const std::array<std::uint16_t, 27>& kFirstNameLetterStarts;

}  // namespace vt
