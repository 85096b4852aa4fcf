// The gender of a first name: a binary search of the table's sorted index.
#include "dictionary/first_name_lookup.h"

#include <compare>
#include <cstddef>
#include <cstdint>

#include "dictionary/first_name_table.h"
#include "strings/char_class.h"
#include "strings/latin1.h"

namespace vt {
namespace {

constexpr std::size_t kKeyWidth = kFirstNameMaxLength + 1;
static_assert(sizeof(FirstNameIndexEntry::name) == kKeyWidth);

// Eight bytes read big-endian, so that comparing the words compares the bytes in order. Written
// out so that the compiler makes it one load and a byte swap.
std::uint64_t LoadBigEndian(const char* bytes) {
  auto at = [bytes](int i) { return std::uint64_t{static_cast<unsigned char>(bytes[i])}; };
  return at(0) << 56 | at(1) << 48 | at(2) << 40 | at(3) << 32 | at(4) << 24 | at(5) << 16 |
         at(6) << 8 | at(7);
}

// A zero-padded name as two words: key order is the byte order of the names, a shorter name
// before every longer one that it begins.
struct Key {
  std::uint64_t high;
  std::uint64_t low;

  auto operator<=>(const Key&) const = default;
};

Key KeyOf(const char (&name)[kKeyWidth]) {
  return {LoadBigEndian(name), LoadBigEndian(name + 8)};
}

// KeyOf(entry.name) < key, worked out without a branch.
bool EntryBefore(const FirstNameIndexEntry& entry, const Key& key) {
  const std::uint64_t high = LoadBigEndian(entry.name);
  const std::uint64_t low = LoadBigEndian(entry.name + 8);
  return (high < key.high) | ((high == key.high) & (low < key.low));
}

// std::lower_bound over [base, base + count), halving by a conditional move rather than a
// branch: which half a name falls in cannot be predicted, and every record looks up several.
const FirstNameIndexEntry* LowerBound(const FirstNameIndexEntry* base, std::size_t count,
                                      const Key& key) {
  if (count == 0) return base;
  while (count > 1) {
    const std::size_t half = count / 2;
    base = EntryBefore(base[half], key) ? base + half : base;
    count -= half;
  }
  return base + (EntryBefore(*base, key) ? 1 : 0);
}

}  // namespace

int GenderOfFirstName(std::string_view name) {
  // No entry is shorter or longer, and the copy below holds the longest one and its padding.
  if (name.size() < kFirstNameMinLength || name.size() > kFirstNameMaxLength) return 0;

  // One pass a byte, with no call: the names are short.
  char word[kKeyWidth] = {};
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = RemoveAccent(name[i]);
    // A NUL would disappear into the padding and make "AL\0" match AL; no entry holds one.
    if (c == '\0') return 0;
    word[i] = UpperAscii(c);
  }

  // Only the names that begin with the same two characters are searched: a few dozen.
  const std::size_t bucket = FirstNameBucket(word);
  if (bucket == kFirstNameBuckets) return 0;
  const FirstNameIndexEntry* const begin = kFirstNameIndex.data() + kFirstNameBucketStarts[bucket];
  const std::size_t count =
      static_cast<std::size_t>(kFirstNameBucketStarts[bucket + 1] - kFirstNameBucketStarts[bucket]);
  const Key key = KeyOf(word);
  const FirstNameIndexEntry* const found = LowerBound(begin, count, key);
  if (found == begin + count || KeyOf(found->name) != key) return 0;
  return found->gender;
}

}  // namespace vt
