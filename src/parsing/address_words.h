// Blank-bounded searches that the street and city parsers share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "parsing/word_lists.h"

namespace vt {

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

// ---- End of the public API. ----

namespace address_internal {
// True when " " + entry + " " stands at pos - 1 in text (entry not empty, ASCII case ignored).
bool MatchesBetweenBlanks(std::string_view text, std::size_t pos, std::string_view entry);
}  // namespace address_internal

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
