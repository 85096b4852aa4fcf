// Proper case for names, with the capitalisation exceptions of the word lists.
#include "parsing/capitalise.h"

#include <cstddef>
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
bool MatchesAt(const std::string& text, std::size_t pos, std::string_view entry) {
  if (text.size() - pos < entry.size()) return false;
  for (std::size_t i = 0; i < entry.size(); ++i) {
    if (UpperAscii(text[pos + i]) != UpperAscii(entry[i])) return false;
  }
  return true;
}

}  // namespace

void CapitaliseName(std::string& text, const WordLists& lists) {
  // The blank lets entries that end in one ("III ") match a word at the end of the text.
  text.push_back(' ');
  for (char& c : text) c = LowerAscii(c);
  const std::size_t used = UsedSlots(lists.CapitalExceptions);
  std::size_t pos = 0;
  while (pos < text.size() && !IsWordStart(text[pos])) ++pos;
  while (pos < text.size()) {
    const char first = UpperAscii(text[pos]);
    for (std::size_t i = 0; i < used; ++i) {
      // The first byte rules out most entries before their length is measured.
      if (UpperAscii(lists.CapitalExceptions[i][0]) != first) continue;
      std::string_view entry = SlotText(lists.CapitalExceptions[i]);
      if (!MatchesAt(text, pos, entry)) continue;
      text.replace(pos, entry.size(), entry);
      pos += entry.size();
      break;
    }
    if (pos >= text.size()) break;
    text[pos] = UpperAscii(text[pos]);
    while (pos < text.size() && IsInWord(text[pos])) ++pos;
    while (pos < text.size() && !IsWordStart(text[pos])) ++pos;
  }
  text.pop_back();
}

}  // namespace vt
