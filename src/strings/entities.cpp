// Character entities: "&amp;", "&lt;", "&#233;" and the like decoded in place.
#include "strings/entities.h"

#include <string_view>

#include "strings/char_class.h"

namespace vt {

namespace {

constexpr std::size_t kLongestCandidate = 6;

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  const char upper = UpperAscii(c);
  return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

// The byte of a numeric reference (its lowest 8 bits); a NUL would end the text early, so it
// gives a blank.
char ByteOf(unsigned value) {
  const auto byte = static_cast<char>(value & 0xFF);
  return byte == '\0' ? ' ' : byte;
}

// Replacement of one candidate (the run from "&" through ";").
std::string_view Replacement(std::string_view run, char& byte) {
  struct Named {
    std::string_view entity;
    std::string_view text;
  };
  static constexpr Named kNamed[] = {{"&amp;", "&"},   {"&lt;", "<"},   {"&gt;", ">"},
                                     {"&quot;", "\""}, {"&apos;", "'"}, {"&nbsp;", " "}};
  for (const Named& named : kNamed) {
    if (run == named.entity) return named.text;
  }
  const std::string_view body = run.substr(2, run.size() - 3);  // between "&#" and ";"
  if (run.size() >= 4 && run[1] == '#' && run[2] != 'x') {
    unsigned value = 0;
    for (char c : body) {
      if (!IsDigit(c)) return "*@*";
      value = value * 10 + static_cast<unsigned>(c - '0');
    }
    byte = ByteOf(value);
    return std::string_view(&byte, 1);
  }
  if (run.size() >= 5 && run[1] == '#' && run[2] == 'x') {
    unsigned value = 0;
    for (char c : body.substr(1)) {
      const int digit = HexValue(c);
      if (digit < 0) return "*@*";
      value = value * 16 + static_cast<unsigned>(digit);
    }
    byte = ByteOf(value);
    return std::string_view(&byte, 1);
  }
  return "*@*";
}

}  // namespace

void DecodeEntities(std::string& text, std::size_t limit) {
  std::size_t pos = text.find('&');
  while (pos != std::string::npos) {
    const std::size_t semicolon = text.find(';', pos + 1);
    const bool candidate =
        semicolon != std::string::npos && semicolon - pos + 1 <= kLongestCandidate;
    if (!candidate) {
      pos = text.find('&', pos + 1);
      continue;
    }
    char byte = 0;
    const std::size_t length = semicolon - pos + 1;
    const std::string_view with = Replacement(std::string_view(text).substr(pos, length), byte);
    text.replace(pos, length, with.data(), with.size());
    pos = text.find('&', pos + with.size());
  }
  if (text.size() > limit) text.resize(limit);
}

}  // namespace vt
