// Proper case for names, with the capitalisation exceptions of the word lists.
#include "parsing/capitalise.h"

#include <bit>
#include <cstddef>
#include <cstdint>
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

}  // namespace

void CapitaliseName(std::string& text, const WordLists& lists) {
  CapitalIndex exceptions;
  exceptions.Refresh(lists.CapitalExceptions);
  CapitaliseName(text, exceptions);
}

void CapitaliseName(std::string& text, const CapitalIndex& exceptions) {
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
    // The entries in slot order, only those whose first two bytes can stand here.
    for (std::uint64_t candidates = exceptions.MayStandAt(view, pos); candidates != 0;
         candidates &= candidates - 1) {
      const std::string_view entry =
          exceptions.Entry(static_cast<std::size_t>(std::countr_zero(candidates)));
      if (size - pos < entry.size() || !EqualsIgnoringCase(view.substr(pos, entry.size()), entry))
        continue;
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
