// Lookups that the street and city parsers share: street types and blank-bounded searches.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "parsing/word_lists.h"
#include "strings/char_class.h"
#include "strings/search.h"

namespace vt {

// True when word equals a `StreetTypeSubstitutes` or a `StreetTypeWords` entry.
bool IsStreetType(const WordLists& lists, std::string_view word);

// The offset of entry in text at its first occurrence as " " + entry (+ " " when
// blank_after), ignoring ASCII case; the offset is that of the entry, after the blank. npos
// when there is none or entry is empty.
std::size_t FindAfterBlank(std::string_view text, std::string_view entry, bool blank_after,
                           std::size_t from = 0);

// Of the entries of a list that occur in text as " " + entry + " ", the one whose FIRST
// occurrence lies right-most (the earlier slot on a tie): its offset (after the blank) and
// size. npos when no entry occurs. One pass over the blank-led positions of the text.
struct EntryMatch {
  std::size_t pos = std::string_view::npos;
  std::size_t size = 0;
};
template <std::size_t N, std::size_t W>
EntryMatch FindRightmostEntry(std::string_view text, const char (&list)[N][W]);

// Where each entry of a list first occurs in text, for a parser that tries every entry against
// one line: at[i] is the offset that FindText(text, entry i) gives (kAnywhere), or that
// FindAfterBlank(text, entry i, false) gives (kAfterBlank), npos when there is none; for the
// used slots 0..used-1, which must not be empty. One walk over the text instead of one search
// per entry.
enum class FirstOccurrence {
  kAnywhere,
  kAfterBlank,
};
template <std::size_t N, std::size_t W>
void FindEachEntry(std::string_view text, const char (&list)[N][W], std::size_t used,
                   FirstOccurrence rule, std::array<std::size_t, N>& at);

// ---- End of the public API. ----

namespace address_internal {
// True when " " + entry + " " stands at pos - 1 in text (entry not empty, ASCII case ignored).
bool MatchesBetweenBlanks(std::string_view text, std::size_t pos, std::string_view entry);

// True when the slot's text stands at pos in text (ASCII case ignored), read up to its NUL or
// the slot's end.
template <std::size_t W>
bool SlotAt(std::string_view text, std::size_t pos, const char (&slot)[W]) {
  for (std::size_t k = 0; k < W && slot[k] != '\0'; ++k) {
    if (pos + k >= text.size() || UpperAscii(text[pos + k]) != UpperAscii(slot[k])) return false;
  }
  return true;
}
}  // namespace address_internal

template <std::size_t N, std::size_t W>
void FindEachEntry(std::string_view text, const char (&list)[N][W], std::size_t used,
                   FirstOccurrence rule, std::array<std::size_t, N>& at) {
  static_assert(N <= 64, "the open set is one 64-bit word");
  // FindText looks no further; FindAfterBlank has no limit.
  if (rule == FirstOccurrence::kAnywhere) text = text.substr(0, kFindTextLimit);
  // Slots by the low six bits of their folded first byte: a text byte names the few slots
  // that may begin there.
  std::uint64_t by_first[64] = {};
  std::uint64_t open = 0;
  for (std::size_t i = 0; i < used; ++i) {
    at[i] = std::string_view::npos;
    by_first[static_cast<unsigned char>(UpperAscii(list[i][0])) & 63u] |= std::uint64_t{1} << i;
    open |= std::uint64_t{1} << i;
  }
  const std::size_t start = rule == FirstOccurrence::kAfterBlank ? 1 : 0;
  for (std::size_t pos = start; pos < text.size() && open != 0; ++pos) {
    if (rule == FirstOccurrence::kAfterBlank && text[pos - 1] != ' ') continue;
    std::uint64_t candidates =
        by_first[static_cast<unsigned char>(UpperAscii(text[pos])) & 63u] & open;
    while (candidates != 0) {
      const int i = std::countr_zero(candidates);
      candidates &= candidates - 1;
      if (!address_internal::SlotAt(text, pos, list[i])) continue;
      at[static_cast<std::size_t>(i)] = pos;
      open &= ~(std::uint64_t{1} << i);
    }
  }
}

template <std::size_t N, std::size_t W>
EntryMatch FindRightmostEntry(std::string_view text, const char (&list)[N][W]) {
  static_assert(N <= 64, "the seen set is one 64-bit word");
  const std::size_t used = UsedSlots(list);
  std::uint64_t seen = 0;
  EntryMatch best;
  for (std::size_t pos = 1; pos < text.size(); ++pos) {
    if (text[pos - 1] != ' ') continue;
    const char first = UpperAscii(text[pos]);
    for (std::size_t i = 0; i < used; ++i) {
      if ((seen >> i) & 1u || UpperAscii(list[i][0]) != first) continue;
      const std::string_view entry = SlotText(list[i]);
      if (!address_internal::MatchesBetweenBlanks(text, pos, entry)) continue;
      // A later first occurrence is further right; at one position the earlier slot wins.
      seen |= std::uint64_t{1} << i;
      if (best.pos != pos) best = {pos, entry.size()};
    }
  }
  return best;
}

}  // namespace vt
