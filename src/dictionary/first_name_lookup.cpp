// The gender of a first name: a lookup in the hash table of the sorted index.
#include "dictionary/first_name_lookup.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "dictionary/first_name_table.h"
#include "strings/char_class.h"
#include "strings/latin1.h"

namespace vt {
namespace {

constexpr std::size_t kKeyWidth = kFirstNameMaxLength + 1;
static_assert(sizeof(FirstNameIndexEntry::name) == kKeyWidth);

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

  // The slots from the name's hash on, up to an empty one.
  for (std::size_t slot = FirstNameHash(word);; slot = (slot + 1) % kFirstNameHashSlots) {
    const std::uint16_t entry = kFirstNameHashTable[slot];
    if (entry == 0) return 0;
    const FirstNameIndexEntry& found = kFirstNameIndex[entry - 1u];
    if (std::memcmp(found.name, word, kKeyWidth) == 0) return found.gender;
  }
}

}  // namespace vt
