// Digit filters, number probes and code patterns.
#include "strings/digits.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "strings/char_class.h"

namespace vt {

namespace {

// The white space that a C-locale number reader skips: TAB, LF, VT, FF, CR and blank.
bool IsNumberSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// Every digit as "9", every letter as "A", other bytes as they are; the classes are those of
// char_class.h (letters: "A"-"Z", "a"-"z" and 128-255), written out for a table made while
// compiling.
constexpr std::array<unsigned char, 256> kPatternBytes = [] {
  std::array<unsigned char, 256> table{};
  for (std::size_t b = 0; b < table.size(); ++b) {
    const bool digit = b >= '0' && b <= '9';
    const bool letter = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b >= 128;
    table[b] = digit ? '9' : letter ? 'A' : static_cast<unsigned char>(b);
  }
  return table;
}();

}  // namespace

void DigitsOnly(std::string_view source, std::string& dest) {
  dest.assign(source.data(), source.size());  // safe when source views dest
  std::erase_if(dest, [](char c) { return !IsDigit(c); });
}

void CutAtNonDigit(std::string& text) {
  const auto end = std::find_if(text.begin(), text.end(), [](char c) { return !IsDigit(c); });
  text.erase(end, text.end());
}

void CodePattern(std::string_view source, std::string& dest) {
  dest.assign(source.data(), source.size());  // safe when source views dest
  // One table lookup a byte, through locals so that the writes are not taken for the string's
  // own length.
  char* const bytes = dest.data();
  const std::size_t size = dest.size();
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>(kPatternBytes[static_cast<unsigned char>(bytes[i])]);
  }
}

bool IsEvenNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsNumberSpace(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  char last_digit = '0';
  while (i < text.size() && IsDigit(text[i])) last_digit = text[i++];
  return (last_digit - '0') % 2 == 0;
}

bool LooksNumeric(std::string_view text) {
  if (text.empty() || !IsDigit(text[0])) return false;
  return text.size() < 2 || IsDigit(text[text.size() - 2]);
}

}  // namespace vt
