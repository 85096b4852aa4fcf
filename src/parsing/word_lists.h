// The editable word lists that drive the name, address and phone parsers, as fixed slot tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "strings/char_class.h"

namespace vt {

// Each list is an array of fixed-width, NUL-terminated slots laid out exactly as the preference
// file stores them, so a list block is written and read byte for byte. A list is used from slot 0
// and ends at its first empty slot; every reader stops there. Comparisons with entries ignore
// ASCII letter case.
inline constexpr std::size_t kWordSlots = 50;
// Every parsed part is cut to the size of a generated-source value.
inline constexpr std::size_t kPartLimit = 1299;
inline constexpr std::size_t kWordWidth = 20;
inline constexpr std::size_t kSuiteWidth = 16;
inline constexpr std::size_t kCapitalWidth = 16;
inline constexpr std::size_t kStateSlots = 100;
inline constexpr std::size_t kStateNameWidth = 24;
inline constexpr std::size_t kStateCodeWidth = 3;
inline constexpr std::size_t kPrefixWidth = 10;
inline constexpr std::size_t kAddedNameSlots = 100;
inline constexpr std::size_t kAddedNameWidth = 16;
// The editor fills at most this many added first names.
inline constexpr std::size_t kAddedNameEditorSlots = 99;

struct WordLists {
  char TitleWords[kWordSlots][kWordWidth];
  char TitleSubstitutes[kWordSlots][kWordWidth];
  char SuffixWords[kWordSlots][kWordWidth];
  char SuffixSubstitutes[kWordSlots][kWordWidth];
  char NameStripWords[kWordSlots][kWordWidth];
  char NonCivicWords[kWordSlots][kWordWidth];
  char NonCivicSubstitutes[kWordSlots][kWordWidth];
  char StreetTypeWords[kWordSlots][kWordWidth];
  char StreetTypeSubstitutes[kWordSlots][kWordWidth];
  char SuiteWords[kWordSlots][kSuiteWidth];
  char SuiteSubstitutes[kWordSlots][kSuiteWidth];
  char CapitalExceptions[kWordSlots][kCapitalWidth];
  char StateNames[kStateSlots][kStateNameWidth];
  char StateCodes[kStateSlots][kStateCodeWidth];
  // Not a substitute: the optional second word of a two-word prefix, empty for a single word.
  char SurnamePrefixes[kWordSlots][kPrefixWidth];
  char SurnamePrefixSeconds[kWordSlots][kPrefixWidth];
  char AddedFirstNames[kAddedNameSlots][kAddedNameWidth];
  // +1 male, -1 female, 0 ambiguous.
  std::int32_t AddedFirstNameGenders[kAddedNameSlots];

  // Every list with its built-in contents.
  WordLists() { SetBuiltIn(); }
  // Zeroes every slot, then writes the built-in contents.
  void SetBuiltIn();
};

// The fixed compass words of the city-in-street step, lower case with a blank on each side, in
// pairs of long and short form. Not editable and not saved.
inline constexpr std::size_t kStreetDirectionCount = 16;
inline constexpr std::string_view kStreetDirections[kStreetDirectionCount] = {
    " north ", " n ", " northeast ", " ne ", " east ", " e ", " southeast ", " se ",
    " south ", " s ", " southwest ", " sw ", " west ", " w ", " northwest ", " nw ",
};

// The text of a slot, up to its NUL (never past the slot, even if a loaded slot lacks one).
template <std::size_t W>
std::string_view SlotText(const char (&slot)[W]) {
  std::size_t n = 0;
  while (n < W && slot[n] != '\0') ++n;
  return std::string_view(slot, n);
}

// Copies text and its NUL into a slot, cut to the slot's width less one; the bytes after the NUL
// keep what they held, as a C-string copy does.
template <std::size_t W>
void SetSlot(char (&slot)[W], std::string_view text) {
  std::size_t n = text.size() < W - 1 ? text.size() : W - 1;
  for (std::size_t i = 0; i < n; ++i) slot[i] = text[i];
  slot[n] = '\0';
}

// The number of slots in use: those before the first empty slot.
template <std::size_t N, std::size_t W>
std::size_t UsedSlots(const char (&list)[N][W]) {
  std::size_t n = 0;
  while (n < N && list[n][0] != '\0') ++n;
  return n;
}

// True when a and b are equal with "a"-"z" folded onto "A"-"Z" (no other folding). Inline: the
// parsers compare words with list entries many times a record, mostly of other lengths.
inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

// The first used slot whose entry equals word ignoring ASCII case, or -1.
template <std::size_t N, std::size_t W>
int FindSlot(const char (&list)[N][W], std::string_view word) {
  if (word.empty()) return -1;
  const char first = UpperAscii(word[0]);
  for (std::size_t i = 0; i < N && list[i][0] != '\0'; ++i) {
    // The first byte rules out most slots before their length is measured.
    if (UpperAscii(list[i][0]) != first) continue;
    if (EqualsIgnoringCase(SlotText(list[i]), word)) return static_cast<int>(i);
  }
  return -1;
}

// The substitute paired with the first entry of words that equals word, or empty when none does.
template <std::size_t N, std::size_t W>
std::string_view LookUpSubstitute(const char (&words)[N][W], const char (&substitutes)[N][W],
                                  std::string_view word) {
  int slot = FindSlot(words, word);
  return slot < 0 ? std::string_view() : SlotText(substitutes[slot]);
}

}  // namespace vt
