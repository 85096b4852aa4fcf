// Digit filters, number probes and code patterns.
#include "strings/digits.h"

#include <algorithm>

#include "strings/char_class.h"

namespace vt {

namespace {

// The white space that a C-locale number reader skips: TAB, LF, VT, FF, CR and blank.
bool IsNumberSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

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
  for (char& c : dest) {
    if (IsDigit(c)) {
      c = '9';
    } else if (IsLetter(c)) {
      c = 'A';
    }
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
