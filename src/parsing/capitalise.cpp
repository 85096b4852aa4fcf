// Proper case for names, with the capitalisation exceptions of the word lists.
#include "parsing/capitalise.h"

#include <cstddef>
#include <cstring>
#include <string_view>

#include "strings/char_class.h"

namespace vt {

namespace {

bool IsWordStart(char c) {
  return IsWordChar(c) || c == '_';
}
bool IsInWord(char c) {
  return IsWordChar(c) || c == '\'' || c == '_';
}

// True when text at pos equals entry over the entry's whole length, ignoring ASCII case.
bool MatchesAt(std::string_view text, std::size_t pos, std::string_view entry) {
  return text.size() - pos >= entry.size() &&
         EqualsIgnoringCase(text.substr(pos, entry.size()), entry);
}

}  // namespace

void CapitaliseName(std::string& text, const WordLists& lists) {
  // The blank lets entries that end in one ("III ") match a word at the end of the text.
  text.push_back(' ');
  // Through locals, so that the bytes written are not taken for the string's own length.
  char* const bytes = text.data();
  const std::size_t size = text.size();
  const std::string_view view(bytes, size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = LowerAscii(bytes[i]);
  std::size_t pos = 0;
  while (pos < size && !IsWordStart(bytes[pos])) ++pos;
  while (pos < size) {
    const char first = UpperAscii(bytes[pos]);
    for (std::size_t i = 0; i < kWordSlots && lists.CapitalExceptions[i][0] != '\0'; ++i) {
      // The first byte rules out most entries before their length is measured.
      if (UpperAscii(lists.CapitalExceptions[i][0]) != first) continue;
      const std::string_view entry = SlotText(lists.CapitalExceptions[i]);
      if (!MatchesAt(view, pos, entry)) continue;
      // The entry as it is spelt, over as many bytes.
      std::memcpy(bytes + pos, entry.data(), entry.size());
      pos += entry.size();
      break;
    }
    if (pos >= size) break;
    bytes[pos] = UpperAscii(bytes[pos]);
    while (pos < size && IsInWord(bytes[pos])) ++pos;
    while (pos < size && !IsWordStart(bytes[pos])) ++pos;
  }
  text.pop_back();
}

}  // namespace vt
