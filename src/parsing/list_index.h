// A first-byte index of one word list, kept from record to record in a parser's scratch.
//
// The lists are edited in place (the editors, a preference load) and nobody tells the parsers,
// so an index holds a copy of the list it was made from: Refresh compares the part in use with
// the list, one memcmp, and makes the index again when they differ. Lookups read the copy, never
// past a slot's end, and answer exactly as the ordered scans over the slots (FindSlot, FindText,
// FindAfterBlank) do; the index only lets them skip the slots whose first two bytes cannot
// match.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "parsing/word_lists.h"
#include "strings/blank_mask.h"
#include "strings/char_class.h"
#include "strings/search.h"

namespace vt {

// An entry found in a text: its offset and size; pos is npos when none is found.
struct EntryMatch {
  std::size_t pos = std::string_view::npos;
  std::size_t size = 0;
};

// Which first occurrence of an entry ListIndex::FindEach reports.
enum class FirstOccurrence {
  kAfterBlank,     // as FindAfterBlank(text, entry, false): after a blank, never at offset 0
  kAnywhereIfLed,  // as FindText(text, entry), but npos when that is neither 0 nor after a blank
};

template <std::size_t N, std::size_t W>
class ListIndex {
  static_assert(N <= 64, "a set of slots is one 64-bit word");
  static_assert(W <= 255, "an entry's length is one byte");

 public:
  // Makes the index again when the list differs from the copy it was made from. Only the
  // slots in use and the first byte of the empty slot after them count: nothing else is read.
  // A new index is that of an all-empty list.
  void Refresh(const char (&list)[N][W]) {
    const std::size_t compared = used_ * W + (used_ < N ? 1 : 0);
    if (std::memcmp(copy_, list, compared) == 0) return;
    std::memcpy(copy_, list, sizeof copy_);
    used_ = 0;
    for (auto& bucket : by_first_) bucket = 0;
    for (auto& bucket : by_second_) bucket = 0;
    while (used_ < N && copy_[used_][0] != '\0') {
      const std::uint64_t slot = std::uint64_t{1} << used_;
      length_[used_] = static_cast<std::uint8_t>(SlotText(copy_[used_]).size());
      by_first_[Bucket(copy_[used_][0])] |= slot;
      if (length_[used_] > 1) {
        by_second_[Bucket(copy_[used_][1])] |= slot;
      } else {
        for (auto& bucket : by_second_) bucket |= slot;  // any byte, or none, may follow
      }
      ++used_;
    }
  }

  // The slots in use (UsedSlots) and the text of one of them (SlotText).
  [[nodiscard]] std::size_t Used() const { return used_; }
  [[nodiscard]] std::string_view Entry(std::size_t i) const { return {copy_[i], length_[i]}; }

  // A set (bit i: slot i) holding every used slot whose entry stands at pos in text, and maybe
  // a few others: those whose first two bytes agree with the text's there (ASCII case ignored,
  // six bits of each).
  [[nodiscard]] std::uint64_t MayStandAt(std::string_view text, std::size_t pos) const {
    const char second = pos + 1 < text.size() ? text[pos + 1] : '\0';
    return by_first_[Bucket(text[pos])] & by_second_[Bucket(second)];
  }

  // The first used slot after `after` whose entry equals word ignoring ASCII case, or -1: with
  // after = -1, FindSlot(list, word).
  [[nodiscard]] int Find(std::string_view word, int after = -1) const {
    if (word.empty()) return -1;
    std::uint64_t candidates = MayStandAt(word, 0);
    candidates &= after < 0 ? ~std::uint64_t{0} : ~std::uint64_t{0} << after << 1;
    for (; candidates != 0; candidates &= candidates - 1) {
      const int i = std::countr_zero(candidates);
      if (EqualsIgnoringCase(Entry(static_cast<std::size_t>(i)), word)) return i;
    }
    return -1;
  }

  // Where each used entry first occurs in text under the rule, npos where it does not: one
  // walk over the places after blanks instead of one search per entry. Returns the set of the
  // slots found.
  std::uint64_t FindEach(std::string_view text, FirstOccurrence rule,
                         std::array<std::size_t, N>& at) const {
    for (std::size_t i = 0; i < used_; ++i) at[i] = std::string_view::npos;
    if (rule == FirstOccurrence::kAnywhereIfLed) {
      return FindEachLed(text.substr(0, kFindTextLimit), at);  // FindText looks no further
    }
    const std::uint64_t all = used_ == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << used_) - 1;
    std::uint64_t open = all;
    ForEachPlace(text, false, [&](std::size_t pos) {
      for (std::uint64_t candidates = MayStandAt(text, pos) & open; candidates != 0;
           candidates &= candidates - 1) {
        const int i = std::countr_zero(candidates);
        if (!StandsAt(text, pos, static_cast<std::size_t>(i))) continue;
        at[static_cast<std::size_t>(i)] = pos;
        open &= ~(std::uint64_t{1} << i);
      }
      return open != 0;
    });
    return all & ~open;
  }

  // Of the entries that occur as " " + entry + " ", the one whose first occurrence (as
  // FindAfterBlank(text, entry, true) finds it) lies right-most, the earlier slot on a tie.
  [[nodiscard]] EntryMatch FindRightmost(std::string_view text) const {
    std::uint64_t between = 0;
    return Rightmost(text, between);
  }

  // The set of used slots whose entry occurs somewhere as " " + entry + " ": a slot outside it
  // is found by no FindAfterBlank(text, entry, true, from).
  [[nodiscard]] std::uint64_t BetweenBlanks(std::string_view text) const {
    std::uint64_t between = 0;
    static_cast<void>(Rightmost(text, between));
    return between;
  }

 private:
  // Calls visit(pos) for every pos of text that follows a blank (and for 0 too with
  // from_start), in order, until it returns false. The places come from a bit mask of the
  // blanks, 64 bytes at a time, made eight bytes at a time.
  template <typename Visit>
  static void ForEachPlace(std::string_view text, bool from_start, Visit visit) {
    std::uint64_t carry = from_start ? 1 : 0;  // the block's first byte is a place
    for (std::size_t block = 0; block < text.size(); block += 64) {
      const std::size_t size = text.size() - block < 64 ? text.size() - block : 64;
      const std::uint64_t blanks = BlankMask(text.data() + block, size);
      std::uint64_t places = (blanks << 1) | carry;
      carry = blanks >> 63;
      if (size < 64) places &= (std::uint64_t{1} << size) - 1;  // none past the text
      for (; places != 0; places &= places - 1) {
        if (!visit(block + static_cast<std::size_t>(std::countr_zero(places)))) return;
      }
    }
  }

  EntryMatch Rightmost(std::string_view text, std::uint64_t& seen) const {
    EntryMatch best;
    ForEachPlace(text, false, [&](std::size_t pos) {
      for (std::uint64_t candidates = MayStandAt(text, pos) & ~seen; candidates != 0;
           candidates &= candidates - 1) {
        const int i = std::countr_zero(candidates);
        const std::size_t size = length_[static_cast<std::size_t>(i)];
        if (pos + size >= text.size() || text[pos + size] != ' ') continue;
        if (!StandsAt(text, pos, static_cast<std::size_t>(i))) continue;
        seen |= std::uint64_t{1} << i;
        if (best.pos != pos) best = {pos, size};
      }
      return true;
    });
    return best;
  }

  // kAnywhereIfLed: only an entry that stands somewhere at 0 or after a blank can have its first
  // occurrence there, so those few places are tried first and the others searched for.
  std::uint64_t FindEachLed(std::string_view text, std::array<std::size_t, N>& at) const {
    std::uint64_t led = 0;
    ForEachPlace(text, true, [&](std::size_t pos) {
      for (std::uint64_t candidates = MayStandAt(text, pos) & ~led; candidates != 0;
           candidates &= candidates - 1) {
        const int i = std::countr_zero(candidates);
        if (StandsAt(text, pos, static_cast<std::size_t>(i))) led |= std::uint64_t{1} << i;
      }
      return true;
    });
    std::uint64_t found = 0;
    for (; led != 0; led &= led - 1) {
      const auto i = static_cast<std::size_t>(std::countr_zero(led));
      const std::size_t first = FindText(text, Entry(i));
      if (first != 0 && text[first - 1] != ' ') continue;
      at[i] = first;
      found |= std::uint64_t{1} << i;
    }
    return found;
  }

  // The low six bits of the folded byte: "A"-"Z" and the digits each have their own.
  static std::size_t Bucket(char c) { return static_cast<unsigned char>(UpperAscii(c)) & 63u; }

  bool StandsAt(std::string_view text, std::size_t pos, std::size_t i) const {
    return text.size() - pos >= length_[i] &&
           EqualsIgnoringCase(text.substr(pos, length_[i]), Entry(i));
  }

  char copy_[N][W] = {};
  std::uint8_t length_[N] = {};
  std::size_t used_ = 0;
  std::uint64_t by_first_[64] = {};
  std::uint64_t by_second_[64] = {};
};

}  // namespace vt
