// Blank-bounded searches that the street and city parsers share.
#include "parsing/address_words.h"

#include "strings/char_class.h"

namespace vt {

std::size_t FindAfterBlank(std::string_view text, std::string_view entry, bool blank_after,
                           std::size_t from) {
  if (entry.empty()) return std::string_view::npos;
  const std::size_t tail = blank_after ? 1 : 0;
  const char first = UpperAscii(entry[0]);
  for (std::size_t pos = from + 1; pos + entry.size() + tail <= text.size(); ++pos) {
    if (text[pos - 1] != ' ' || UpperAscii(text[pos]) != first) continue;
    if (blank_after && text[pos + entry.size()] != ' ') continue;
    if (EqualsIgnoringCase(text.substr(pos, entry.size()), entry)) return pos;
  }
  return std::string_view::npos;
}

}  // namespace vt
