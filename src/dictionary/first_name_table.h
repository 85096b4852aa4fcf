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

// The index in buckets by the first two characters: 27 per first letter "A" to "Z", the first
// for a second character below "A" (a blank, an apostrophe, a hyphen), then one for each second
// letter "A" to "Z". Bytes in byte order fall in bucket order; kFirstNameBuckets for a name that
// no bucket holds (no index name is one).
inline constexpr std::size_t kFirstNameBuckets = 26 * 27;
constexpr std::size_t FirstNameBucket(const char* name) {
  const auto first = static_cast<unsigned char>(name[0]);
  const auto second = static_cast<unsigned char>(name[1]);
  if (first < 'A' || first > 'Z' || second > 'Z' || second == '\0') return kFirstNameBuckets;
  return (first - 'A') * 27u + (second < 'A' ? 0u : second - 'A' + 1u);
}

// Where the index names of each bucket begin, and one more entry for the end of the index.
extern const std::array<std::uint16_t, kFirstNameBuckets + 1>& kFirstNameBucketStarts;

}  // namespace vt
